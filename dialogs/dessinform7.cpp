// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dessinform7.h"

namespace DessinForm7 {

const std::array<Colonne, 5> &colonnes()
{
    static const std::array<Colonne, 5> table{{
        {u"Prix", 1200, &ServiceCompare::prix, u""},
        {u"Tranche", 1500, &ServiceCompare::tranche, u""},
        {u"Marge", 1575, &ServiceCompare::marge, u"grammes qui restent avant la tranche suivante"},
        {u"Tranche suivante", 1875, &ServiceCompare::suivante,
         u"prix à payer si l'envoi passe à la tranche suivante, et son poids maximum"},
        {u"Prix du", 1650, &ServiceCompare::prixDu, u"date du dernier enregistrement des prix de ce service"},
    }};
    return table;
}

} // namespace DessinForm7
