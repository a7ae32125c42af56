// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dessinform8.h"

namespace DessinForm8 {

const std::array<Colonne, 4> &colonnes()
{
    static const std::array<Colonne, 4> table{
        {{u"Service", 2400}, {u"Tranche", 1500}, {u"Prix actuel", 1400}, {u"Nouveau prix", 0}}};
    return table;
}

} // namespace DessinForm8
