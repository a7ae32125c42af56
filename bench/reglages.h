#pragma once

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

// The four settings files with the built-in defaults, as a first install
// leaves them.
inline bool ecrireReglagesParDefaut(const FichiersIni &fichiers)
{
    bool ok = bool(CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts()));
    for (const ServiceExpedition service : TousLesServices) {
        GrilleTarif g = Tarifs::grille(service);
        Tarifs::restaurerDefauts(g);
        ok = Tarifs::enregistrer(g, fichiers, &SymboleMonetaire::Defaut) && ok;
    }
    return ok;
}
