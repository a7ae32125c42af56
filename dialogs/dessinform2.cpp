// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dessinform2.h"

namespace DessinForm2 {

const std::array<Cadre, CatalogueElements::NombreGroupes> &cadres()
{
    static const std::array<Cadre, CatalogueElements::NombreGroupes> table{{
        {"Frame1", twips(120, 120, 2415, 1935), 1440},
        {"Frame2", twips(120, 2520, 2415, 3855), 1440},
        {"Frame3", twips(2880, 120, 3015, 2175), 2040},
        {"Frame4", twips(2880, 2520, 3015, 2295), 2040},
        {"Frame5", twips(2880, 5040, 3015, 1335), 2040},
    }};
    return table;
}

const std::array<Bouton, 3> &boutons()
{
    static const std::array<Bouton, 3> table{{
        {"Command1", u"&Enregistré", twips(6120, 240, 1335, 375)},
        {"Command2", u"&Annuler", twips(6120, 720, 1335, 375)},
        {"Command3", u"&Défaut", twips(6120, 1200, 1335, 375)},
    }};
    return table;
}

} // namespace DessinForm2
