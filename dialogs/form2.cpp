#include "dialogs/form2.h"

#include "dialogs/champsaisie.h"
#include "dialogs/construction.h"
#include "dialogs/echecenregistrement.h"
#include "main_window/apparence.h"
#include "main_window/clavier.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

#include <optional>

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

// Caption widths of entries 1 to 25, in twips.
constexpr int LargeursLabels[CatalogueElements::EntreesStockees] = {
    855,  855,  855,  855,  1095, 1095, 1095, 1095, 1095, 1095, 1095, 1095, 1095,
    1815, 1695, 1575, 1695, 1695, 1695, 1695, 1695, 1935, 1815, 1575, 1575};

bool estPermis(int code)
{
    return (code >= '0' && code <= '9') || code == ',' || (code >= 8 && code <= 13);
}

// A weight field: digits, commas and the control codes 8 to 13 pass; any
// other character, typed or composed, is refused with a beep before it
// reaches the field.
class ChampPoids : public ChampSaisie
{
public:
    explicit ChampPoids(QWidget *parent) : ChampSaisie(LimiteFrappe, parent) {}

protected:
    void keyPressEvent(QKeyEvent *evenement) override
    {
        // Escape (27) too: swallowed here, it never reaches the dialog, which
        // stays open with the user's edits.
        const std::optional<int> code = codeCaractere(*evenement);
        if (code && !estPermis(*code)) {
            evenement->accept();
            Bip::sonner();
            return;
        }
        ChampSaisie::keyPressEvent(evenement);
    }
    void inputMethodEvent(QInputMethodEvent *composition) override
    {
        filtrerComposition(*composition, estPermis);
        ChampSaisie::inputMethodEvent(composition);
    }
};

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
    for (int n = 1; n <= CatalogueElements::EntreesStockees; ++n) {
        const CatalogueElements::Entree &entree = CatalogueElements::entree(n);
        const int haut = 360 * ++lignes[entree.groupe];
        QGroupBox *cadre = cadres[entree.groupe];
        creerLabel(cadre, QStringLiteral("Label%1").arg(n), entree.legende,
                   twips(120, haut, LargeursLabels[n - 1], 255), policeSansSerif(8.25, true));
        auto *champ = new ChampPoids(cadre);
        champ->setObjectName(QStringLiteral("Text%1").arg(n));
        champ->setGeometry(twips(Cadres[entree.groupe].gaucheChamps, haut, 735, 285));
        poserPolice(champ, policeSansSerif(n <= 4 ? 9.75 : 8.25, true));
        champ->setAlignment(Qt::AlignCenter);
        // Its text comes from charger(), below.
        champ->setAccessibleName(entree.legende);
        m_champs[n - 1] = champ;
    }

    // Entry 26: the fixed "0" of the extra-grams line, never shown.
    auto *texte26 = new ChampSaisie(0, this);
    texte26->setObjectName(QStringLiteral("Text26"));
    texte26->setGeometry(twips(720, 2160, 1215, 285));
    texte26->setFont(policeSansSerif(8.25, true));
    texte26->setAlignment(Qt::AlignCenter);
    texte26->definirTexte(CatalogueElements::PoidsEntree26);
    texte26->hide();
    m_champs.back() = texte26;

    auto *enregistrer = creerBouton(this, QStringLiteral("Command1"),
                                    QStringLiteral("&Enregistré"), twips(6120, 240, 1335, 375));
    auto *annuler = creerBouton(this, QStringLiteral("Command2"), QStringLiteral("&Annuler"),
                                twips(6120, 720, 1335, 375));
    auto *defaut = creerBouton(this, QStringLiteral("Command3"), QStringLiteral("&Défaut"),
                               twips(6120, 1200, 1335, 375));
    connect(enregistrer, &QPushButton::clicked, this, &Form2::EnregistrerPoids);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaut, &QPushButton::clicked, this, &Form2::restaurerDefauts);

    QList<QWidget *> ordre(m_champs.begin(), m_champs.end() - 1);
    ordre << enregistrer << annuler << defaut;
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre.at(i - 1), ordre.at(i));
    m_champs[0]->setFocus();

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
    for (int n = 1; n <= CatalogueElements::EntreesStockees; ++n)
        m_champs[n - 1]->definirTexte(poids.valeurs.at(n - 1));
    setWindowTitle(QStringLiteral("Poids des éléments: (Mise à jour le ") + poids.miseAJour
                   + u')');
}

void Form2::EnregistrerPoids()
{
    QStringList valeurs;
    for (int n = 1; n <= CatalogueElements::EntreesStockees; ++n)
        valeurs.append(m_champs[n - 1]->text());
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
    for (int n = 1; n <= CatalogueElements::EntreesStockees; ++n)
        m_champs[n - 1]->definirTexte(defauts.at(n - 1));
}
