// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commun/apparence.h"

#include <QRect>

#include <array>

// The import preview's design.
namespace DessinForm8 {

// The layout, in twips: left, top, width, height.
inline constexpr int Largeur = 7200, Hauteur = 5700;
inline constexpr QRect Fichier = twips(120, 120, 6960, 255);
inline constexpr int HautServices = 420, PasServices = 240; // one line per named service, up to three
inline constexpr QRect Tableau = twips(120, 1200, 6960, 3420);
inline constexpr int HauteurLigne = 300;
inline constexpr QRect EnVigueur = twips(120, 4740, 6960, 255);
inline constexpr QRect Enregistrer = twips(4200, 5160, 1335, 375);
inline constexpr QRect Annuler = twips(5745, 5160, 1335, 375);

struct Colonne
{
    const char16_t *titre;
    int largeur; // twips; the last one takes what is left
};

const std::array<Colonne, 4> &colonnes();

} // namespace DessinForm8
