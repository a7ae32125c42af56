#pragma once

#include "settings/defauts.h"

#include <algorithm>

// The four settings files with the built-in defaults, as a first install
// leaves them.
inline bool ecrireReglagesParDefaut(const FichiersIni &fichiers)
{
    const QList<ResultatEcriture> r = ecrireFichiersManquants(fichiers);
    return r.size() == 4 && std::all_of(r.begin(), r.end(), [](const ResultatEcriture &e) { return e.ok; });
}
