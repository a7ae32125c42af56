// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commun/apparence.h"

#include <QRect>

// The About box's design.
namespace DessinForm6 {

inline constexpr int Largeur = 4935;
inline constexpr int Hauteur = 2070;
inline constexpr QRect Frame1 = twips(120, 0, 4695, 1935);
// The title's white relief, 30 twips right of and below the title.
inline constexpr QRect Label1 = twips(735, 255, 3255, 735);
inline constexpr QRect Label2 = twips(705, 225, 3255, 735);
inline constexpr QRect Label3 = twips(720, 960, 3060, 465);
inline constexpr QRect Label4 = twips(120, 1560, 3015, 255);

} // namespace DessinForm6
