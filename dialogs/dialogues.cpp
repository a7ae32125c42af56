#include "dialogs/dialogues.h"

#include "settings/catalogueelements.h"

// Interim: reads straight from the settings store until the dialogs exist.

Dialogues::Dialogues(const FichiersIni &fichiers, QWidget *fenetrePrincipale)
    : m_fichiers(fichiers), m_fenetrePrincipale(fenetrePrincipale)
{
}

Dialogues::~Dialogues() = default;

QString Dialogues::poids(int entree)
{
    if (entree == CatalogueElements::NombreEntrees)
        return CatalogueElements::PoidsEntree26;
    const auto &e = CatalogueElements::entree(entree);
    return m_fichiers.LirePoidsElements(e.section, e.cle);
}

QString Dialogues::prix(ServiceExpedition service, int tranche)
{
    const GrilleTarif &g = Tarifs::grille(service);
    return m_fichiers.lire(g.Fichier, g.Section, g.Tranches.at(tranche - 1).Cle);
}

QString Dialogues::valeurReserve()
{
    return m_fichiers.LireTarifCEE(Tarifs::grille(ServiceExpedition::TarifCEE).Section,
                                   Tarifs::CleReserve);
}

QString Dialogues::symbole()
{
    return SymboleMonetaire::lire(m_fichiers);
}

bool Dialogues::estCharge(Fenetre) const
{
    return false;
}

void Dialogues::afficher(Fenetre fenetre)
{
    emit affiche(fenetre);
}
