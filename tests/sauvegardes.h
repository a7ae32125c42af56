#pragma once

// Two complete sets of settings, told apart by every value, for the tests
// that interrupt saves: whatever survives must be one set or the other.

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

namespace Sauvegardes {

// Variant 0 holds the defaults; variant 1 texts of other lengths, so that a
// value cut short or spliced from both shows.
inline QStringList poids(int variante)
{
    QStringList v = CatalogueElements::defauts();
    if (variante == 1) {
        for (int i = 0; i < v.size(); ++i)
            v[i] = QStringLiteral("%1,%2").arg(100000 + i).arg(i * 37);
    }
    return v;
}

inline GrilleTarif grille(ServiceExpedition service, int variante)
{
    GrilleTarif g = Tarifs::grille(service);
    Tarifs::restaurerDefauts(g);
    if (variante == 1) {
        for (qsizetype i = 0; i < g.Tranches.size(); ++i)
            g.Tranches[i].Prix = QStringLiteral("%1,99").arg(7000 + i);
    }
    g.ValeurReserve = variante == 1 ? QStringLiteral("réserve « une »") : QString();
    return g;
}

inline QString symbole(int variante)
{
    return variante == 1 ? QStringLiteral("FRF") : SymboleMonetaire::Defaut;
}

inline QString tampon(int variante)
{
    return variante == 1 ? QStringLiteral("31/12/2099 à 23:59") : QStringLiteral("05/12/2026 à 10:38");
}

// Saves the four files in the order a user would, one after the other.
inline ResultatEcriture enregistrerTout(const FichiersIni &fichiers, int variante)
{
    if (const auto r = CatalogueElements::enregistrer(fichiers, poids(variante), tampon(variante)); !r)
        return r;
    const QString s = symbole(variante);
    for (const ServiceExpedition service : TousLesServices) {
        const auto r = Tarifs::enregistrer(grille(service, variante), fichiers, &s, tampon(variante));
        if (!r)
            return r;
    }
    return {};
}

} // namespace Sauvegardes
