// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculs/comparaison.h"
#include "commun/apparence.h"

#include <QRect>

#include <array>

// The comparison window's design, in twips.
namespace DessinForm7 {

inline constexpr int Largeur = 9570;
inline constexpr int Hauteur = 2685;
inline constexpr QRect Label1 = twips(120, 120, 4215, 255);
inline constexpr QRect Grid1 = twips(120, 480, 9330, 1230);
inline constexpr int HauteurLigne = 300;
inline constexpr int LargeurEntetesLignes = 1500;

struct Colonne
{
    const char16_t *titre;
    int largeur;
    QString ServiceCompare::*texte;
    const char16_t *aide; // the header's tooltip and accessible description
};
const std::array<Colonne, 5> &colonnes();

// The red lines, one a grid at most, from the top.
inline constexpr int HautAvertissements = 1830;
inline constexpr int PasAvertissements = 240;
inline constexpr QRect Avertissement = twips(120, 0, 5700, 255);

inline constexpr QRect Command1 = twips(6660, 2190, 1335, 375);
inline constexpr QRect Command2 = twips(8115, 2190, 1335, 375);

} // namespace DessinForm7
