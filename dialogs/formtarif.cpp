#include "dialogs/formtarif.h"

#include "commun/champsaisie.h"
#include "commun/construction.h"
#include "dialogs/echecenregistrement.h"
#include "commun/apparence.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace {

constexpr int LimiteFrappe = 8;

// What a field holds besides a bracket's price.
constexpr int Symbole = 0;
constexpr int Reserve = -1;

struct Champ
{
    const char *nom;
    int tranche;  // 1-based bracket, or Symbole, or Reserve
    QRect geometrie;
    const char *nomLabel;
    const char16_t *legende;
    QRect geometrieLabel;
};

struct Bouton
{
    const char *nom;
    const char16_t *legende;
    QRect geometrie;
};

struct Modele
{
    const char *nom;
    const char16_t *legendeCreation;
    const char16_t *prefixeLegende;
    const char16_t *quoi;  // for the message of a failed save
    int largeur, hauteur;
    bool dansLaBarreDesTaches;
    QRect cadre;
    const char16_t *legendeCadre;
    Qt::Alignment alignement;
    bool boutonsSurLaFenetre;
    std::vector<Champ> champs;
    std::vector<Bouton> boutons;
};

// Form4's one column: the label on the field's line, to its left.
Champ ligneEcopli(const char *nom, int tranche, int haut, const char *nomLabel,
                  const char16_t *legende, int largeurLabel)
{
    return {nom, tranche, twips(2760, haut, 1095, 285), nomLabel, legende,
            twips(480, haut, largeurLabel, 255)};
}

// Form5's two columns: the label above the field.
Champ champCEE(const char *nom, int tranche, int gauche, int haut, const char *nomLabel,
               const char16_t *legende)
{
    return {nom, tranche, twips(gauche, haut, 1695, 285), nomLabel, legende,
            twips(gauche, haut - 240, 2055, 255)};
}

const Modele &modele(ServiceExpedition service)
{
    static const Modele normal{
        "Form3", u"Tarification Normale", u"Tarification Normale: (Mise à jour le ",
        u"Les tarifs France Rapide n'ont pas été enregistrés.", 5205, 4350, false,
        twips(120, 0, 4935, 4215), u"", Qt::AlignCenter, false,
        {
            {"Text1", 1, twips(240, 480, 2055, 285), "Label1", u"Poids jusqu'à 20 Grs",
             twips(240, 240, 2055, 255)},
            {"Text2", 2, twips(240, 1200, 2055, 285), "Label2", u"Poids jusqu'à 50 Grs",
             twips(240, 960, 1935, 255)},
            {"Text3", 3, twips(240, 1920, 2055, 285), "Label3", u"Poids jusqu'à 100 Grs",
             twips(240, 1680, 1935, 255)},
            {"Text9", 4, twips(240, 2640, 2055, 285), "Label9", u"Poids jusqu'à 250 Grs",
             twips(240, 2400, 2055, 255)},
            {"Text8", Symbole, twips(240, 3360, 1695, 285), "Label8", u"Symbole Monétaire",
             twips(240, 3120, 2055, 255)},
            {"Text4", 5, twips(2640, 480, 2055, 285), "Label4", u"Poids jusqu'à 500 Grs",
             twips(2640, 240, 1935, 255)},
            {"Text5", 6, twips(2640, 1200, 2055, 285), "Label5", u"Poids jusqu'à 1000 Grs",
             twips(2640, 960, 2175, 255)},
            {"Text6", 7, twips(2640, 1920, 2055, 285), "Label6", u"Poids jusqu'à 2000 Grs",
             twips(2640, 1680, 2055, 255)},
            {"Text7", 8, twips(2640, 2640, 2055, 285), "Label7", u"Poids jusqu'à 3000 Grs",
             twips(2640, 2400, 2055, 255)},
        },
        {
            {"Command1", u"&Enregistrer", twips(2640, 3120, 2055, 375)},
            {"Command2", u"&Annuler", twips(2640, 3600, 975, 375)},
            {"Command3", u"&Défaut", twips(3720, 3600, 975, 375)},
        }};
    static const Modele ecopli{
        "Form4", u"Tarif Lent (Ecopli)", u"Tarif Lent (Ecopli): (Mise à jour le ",
        u"Les tarifs France Ecopli n'ont pas été enregistrés.", 4935, 3510, false,
        twips(120, 0, 4695, 3375), u"", Qt::AlignLeft | Qt::AlignVCenter, false,
        {
            ligneEcopli("Text1", 1, 240, "Label1", u"Poids jusq'à 20 Grs", 1935),
            ligneEcopli("Text2", 2, 720, "Label2", u"Poids jusq'à 50 Grs", 1935),
            ligneEcopli("Text3", 3, 1200, "Label3", u"Poids jusq'à 100 Grs", 1935),
            ligneEcopli("Text4", 4, 1680, "Label4", u"Poids jusq'à 250 Grs", 1935),
            ligneEcopli("Text5", Symbole, 2160, "Label8", u"Symbole Monétaire", 2055),
        },
        {
            {"Command1", u"&Enregistré", twips(120, 2760, 1335, 375)},
            {"Command2", u"&Annuler", twips(1680, 2760, 1335, 375)},
            {"Command3", u"&Défaut", twips(3240, 2760, 1335, 375)},
        }};
    static const Modele cee{
        "Form5", u"Tarification CEE", u"Tarification CEE: (Mise à jour le ",
        u"Les tarifs vers l'Union européenne (zone 1) n'ont pas été enregistrés.", 5445, 4395,
        true, twips(120, 120, 5175, 4095), u"Modification de la tarification vers UE (Zone 1)",
        Qt::AlignCenter, true,
        {
            champCEE("Text1", 1, 360, 600, "Label1", u"Poids jusq'à 20 Grs"),
            champCEE("Text2", 2, 360, 1320, "Label2", u"Poids jusq'à 50 Grs"),
            champCEE("Text3", 3, 360, 2040, "Label5", u"Poids jusq'à 100 Grs"),
            champCEE("Text4", 4, 360, 2760, "Label6", u"Poids jusq'à 250 Grs"),
            champCEE("Text9", Symbole, 360, 3480, "Label3", u"Symbole Monétaire"),
            champCEE("Text5", 5, 3000, 600, "Label9", u"Poids jusq'à 500 Grs"),
            champCEE("Text6", 6, 3000, 1320, "Label8", u"Poids jusq'à 1000 Grs"),
            champCEE("Text7", 7, 3000, 2040, "Label10", u"Poids jusq'à 2000 Grs"),
            champCEE("Text8", Reserve, 3000, 2760, "Label15", u"Poids jusq'à 3000 Grs"),
        },
        {
            {"Command1", u"&Enregistré", twips(3000, 3120, 2175, 375)},
            {"Command2", u"&Annuler", twips(3000, 3600, 1095, 375)},
            {"Command3", u"&Defaut", twips(4200, 3600, 975, 375)},
        }};

    switch (service) {
    case ServiceExpedition::TarifNormal:
        return normal;
    case ServiceExpedition::TarifEcopli:
        return ecopli;
    case ServiceExpedition::TarifCEE:
        break;
    }
    return cee;
}

} // namespace

FormTarif::FormTarif(ServiceExpedition service, const FichiersIni &fichiers, QWidget *parent)
    : QDialog(parent), m_service(service), m_fichiers(fichiers)
{
    const Modele &m = modele(service);
    const GrilleTarif &grille = Tarifs::grille(service);
    preparerFenetre(this, QString::fromLatin1(m.nom), m.largeur, m.hauteur,
                    m.dansLaBarreDesTaches);
    setWindowTitle(QString::fromUtf16(m.legendeCreation));
    m_prefixeLegende = QString::fromUtf16(m.prefixeLegende);

    QGroupBox *cadre = creerCadre(this, QStringLiteral("Frame1"),
                                  QString::fromUtf16(m.legendeCadre), m.cadre);
    const QFont police = policeSansSerif(8.25, true);

    m_prix.resize(grille.Tranches.size());
    for (const Champ &c : m.champs) {
        QLabel *label = creerLabel(cadre, QString::fromLatin1(c.nomLabel),
                                   QString::fromUtf16(c.legende), c.geometrieLabel, police);
        auto *champ = creerChamp(cadre, QString::fromLatin1(c.nom),
                                 c.tranche > 0 ? ChampSaisie::Admis::Prix : ChampSaisie::Admis::Tout,
                                 c.tranche > 0 ? LimiteFrappe : 0, c.geometrie, police, m.alignement,
                                 label->text());
        // Prices and the reserve value get their text from charger(), below.
        if (c.tranche > 0) {
            m_prix[c.tranche - 1] = champ;
        } else if (c.tranche == Symbole) {
            champ->definirTexte(SymboleMonetaire::Defaut);
            // Only the grid that carries the symbol edits it; the others show it.
            champ->setEnabled(grille.PorteSymbole);
            m_symbole = champ;
        } else {
            // The reserve value is carried from load to save, never seen.
            champ->hide();
            label->hide();
            m_reserve = champ;
        }
    }

    QWidget *parentBoutons = m.boutonsSurLaFenetre ? static_cast<QWidget *>(this) : cadre;
    QList<QPushButton *> boutons;
    for (const Bouton &b : m.boutons)
        boutons.append(creerBouton(parentBoutons, QString::fromLatin1(b.nom),
                                   QString::fromUtf16(b.legende), b.geometrie));
    connect(boutons.at(0), &QPushButton::clicked, this, &FormTarif::EnregistrerTarif);
    connect(boutons.at(1), &QPushButton::clicked, this, &QDialog::reject);
    connect(boutons.at(2), &QPushButton::clicked, this, &FormTarif::restaurerDefauts);

    QList<QWidget *> ordre(m_prix.begin(), m_prix.end());
    ordre.append(QList<QWidget *>(boutons.begin(), boutons.end()));
    ordre.append(m_symbole);
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre.at(i - 1), ordre.at(i));
    m_prix.first()->setFocus();

    charger();
}

QString FormTarif::prix(int tranche) const
{
    Q_ASSERT(tranche >= 1 && tranche <= m_prix.size());
    return m_prix.at(tranche - 1)->text();
}

QString FormTarif::valeurReserve() const
{
    return m_reserve ? m_reserve->text() : QString();
}

QString FormTarif::symbole() const
{
    return m_symbole->text();
}

void FormTarif::showEvent(QShowEvent *evenement)
{
    // Form4 and Form5 show the symbol that France Rapide's file holds now,
    // so a symbol just saved in Form3 appears the next time they open.
    if (!Tarifs::grille(m_service).PorteSymbole)
        m_symbole->definirTexte(SymboleMonetaire::lire(m_fichiers));
    QDialog::showEvent(evenement);
}

void FormTarif::charger()
{
    const GrilleTarif grille = Tarifs::charger(m_service, m_fichiers);
    afficher(grille);
    if (m_reserve)
        m_reserve->definirTexte(grille.ValeurReserve);
    setWindowTitle(m_prefixeLegende + grille.MiseAJour + u')');
}

void FormTarif::EnregistrerTarif()
{
    GrilleTarif grille = Tarifs::grille(m_service);
    for (qsizetype i = 0; i < m_prix.size(); ++i)
        grille.Tranches[i].Prix = m_prix.at(i)->text();
    if (m_reserve)
        grille.ValeurReserve = m_reserve->text();
    grille.Symbole = m_symbole->text();
    const ResultatEcriture resultat = Tarifs::enregistrer(grille, m_fichiers);
    if (!resultat) {
        signalerEchecEnregistrement(this, QString::fromUtf16(modele(m_service).quoi),
                                    resultat.raison);
        return;
    }
    accept();
}

void FormTarif::restaurerDefauts()
{
    GrilleTarif grille = Tarifs::grille(m_service);
    Tarifs::restaurerDefauts(grille);
    afficher(grille);
}

// The prices, and the symbol where the grid carries it: the others show
// France Rapide's.
void FormTarif::afficher(const GrilleTarif &grille)
{
    for (qsizetype i = 0; i < m_prix.size(); ++i)
        m_prix.at(i)->definirTexte(grille.Tranches.at(i).Prix);
    if (grille.PorteSymbole)
        m_symbole->definirTexte(grille.Symbole);
}
