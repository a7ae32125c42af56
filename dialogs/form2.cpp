#include "dialogs/form2.h"

#include "commun/champsaisie.h"
#include "commun/construction.h"
#include "dialogs/echecenregistrement.h"
#include "commun/apparence.h"

#include <QGroupBox>
#include <QPushButton>

namespace {

constexpr int LimiteFrappe = 8;

struct Cadre
{
    const char *nom;
    int gauche, haut, largeur, hauteur;
    int gaucheChamps;
};

// One frame per group of CatalogueElements, in group order.
constexpr Cadre Cadres[CatalogueElements::NombreGroupes] = {
    {"Frame1", 120, 120, 2415, 1935, 1440},
    {"Frame2", 120, 2520, 2415, 3855, 1440},
    {"Frame3", 2880, 120, 3015, 2175, 2040},
    {"Frame4", 2880, 2520, 3015, 2295, 2040},
    {"Frame5", 2880, 5040, 3015, 1335, 2040},
};

// Caption widths in twips, by entry; the extra grams have no caption.
constexpr int LargeursLabels[CatalogueElements::NombreEntrees] = {
    855,  855,  855,  855,  1095, 1095, 1095, 1095, 1095, 1095, 1095, 1095, 1095,
    1815, 1695, 1575, 1695, 1695, 1695, 1695, 1695, 1935, 1815, 1575, 1575, 0};

} // namespace

Form2::Form2(const FichiersIni &fichiers, QWidget *parent)
    : QDialog(parent), m_fichiers(fichiers)
{
    preparerFenetre(this, QStringLiteral("Form2"), 7590, 6510, false);
    setWindowTitle(QStringLiteral("Paramètres des éléments"));

    std::array<QGroupBox *, CatalogueElements::NombreGroupes> cadres{};
    for (int g = 0; g < CatalogueElements::NombreGroupes; ++g) {
        const Cadre &c = Cadres[g];
        cadres[g] = creerCadre(this, QString::fromLatin1(c.nom), CatalogueElements::groupes()[g],
                               twips(c.gauche, c.haut, c.largeur, c.hauteur));
    }

    std::array<int, CatalogueElements::NombreGroupes> lignes{};
    for (const CatalogueElements::Entree &entree : CatalogueElements::entrees()) {
        const QString nom = QStringLiteral("Text%1").arg(entree.numero);
        if (!entree.stockee()) {
            // The extra grams' fixed text, read by the main window, never shown.
            auto *fixe = creerChamp(this, nom, ChampSaisie::Admis::Tout, 0, twips(720, 2160, 1215, 285),
                                    policeSansSerif(8.25, true), Qt::AlignCenter, {});
            fixe->definirTexte(entree.defaut);
            fixe->hide();
            m_champs[entree.numero - 1] = fixe;
            continue;
        }
        const int haut = 360 * ++lignes[entree.groupe];
        QGroupBox *cadre = cadres[entree.groupe];
        creerLabel(cadre, QStringLiteral("Label%1").arg(entree.numero), entree.legende,
                   twips(120, haut, LargeursLabels[entree.numero - 1], 255), policeSansSerif(8.25, true));
        // Its text comes from charger(), below.
        auto *champ = creerChamp(cadre, nom, ChampSaisie::Admis::ChiffresEtVirgule, LimiteFrappe,
                                 twips(Cadres[entree.groupe].gaucheChamps, haut, 735, 285),
                                 policeSansSerif(entree.groupe == 0 ? 9.75 : 8.25, true), Qt::AlignCenter,
                                 entree.legende);
        m_champs[entree.numero - 1] = champ;
        m_ordre.append(champ);
    }

    auto *enregistrer = creerBouton(this, QStringLiteral("Command1"),
                                    QStringLiteral("&Enregistré"), twips(6120, 240, 1335, 375));
    auto *annuler = creerBouton(this, QStringLiteral("Command2"), QStringLiteral("&Annuler"),
                                twips(6120, 720, 1335, 375));
    auto *defaut = creerBouton(this, QStringLiteral("Command3"), QStringLiteral("&Défaut"),
                               twips(6120, 1200, 1335, 375));
    connect(enregistrer, &QPushButton::clicked, this, &Form2::EnregistrerPoids);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaut, &QPushButton::clicked, this, &Form2::restaurerDefauts);

    QList<QWidget *> ordre(m_ordre.begin(), m_ordre.end());
    ordre << enregistrer << annuler << defaut;
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre.at(i - 1), ordre.at(i));
    m_ordre.first()->setFocus();

    charger();
}

QString Form2::poids(int entree) const
{
    Q_ASSERT(entree >= 1 && entree <= CatalogueElements::NombreEntrees);
    return m_champs[std::size_t(entree - 1)]->text();
}

void Form2::charger()
{
    const CatalogueElements::Poids poids = CatalogueElements::charger(m_fichiers);
    for (qsizetype i = 0; i < poids.valeurs.size(); ++i)
        m_champs[i]->definirTexte(poids.valeurs.at(i));
    setWindowTitle(QStringLiteral("Poids des éléments: (Mise à jour le ") + poids.miseAJour
                   + u')');
}

void Form2::EnregistrerPoids()
{
    QStringList valeurs;
    for (const ChampSaisie *champ : m_champs)
        valeurs.append(champ->text());
    const ResultatEcriture resultat = CatalogueElements::enregistrer(m_fichiers, valeurs);
    if (!resultat) {
        signalerEchecEnregistrement(
            this, QStringLiteral("Les poids des éléments n'ont pas été enregistrés."),
            resultat.raison);
        return;
    }
    accept();
}

void Form2::restaurerDefauts()
{
    const QStringList defauts = CatalogueElements::defauts();
    for (qsizetype i = 0; i < defauts.size(); ++i)
        m_champs[i]->definirTexte(defauts.at(i));
}
