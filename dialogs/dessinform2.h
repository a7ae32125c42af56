// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commun/apparence.h"
#include "settings/catalogueelements.h"

#include <QRect>

#include <array>

// The element weights dialog's design, in twips.
namespace DessinForm2 {

inline constexpr int Largeur = 7590;
inline constexpr int Hauteur = 6510;

// One frame per group of CatalogueElements, in group order.
struct Cadre
{
    const char *nom;
    QRect geometrie;
    int gaucheChamps; // twips
};
const std::array<Cadre, CatalogueElements::NombreGroupes> &cadres();

// Caption widths in twips, by entry; the extra grams have no caption.
inline constexpr int LargeursLabels[CatalogueElements::NombreEntrees]
    = {855,  855,  855,  855,  1095, 1095, 1095, 1095, 1095, 1095, 1095, 1095, 1095,
       1815, 1695, 1575, 1695, 1695, 1695, 1695, 1695, 1935, 1815, 1575, 1575, 0};

inline constexpr int PasDesLignes = 360;
inline constexpr int GaucheLabels = 120;
inline constexpr int HauteurLabels = 255;
inline constexpr int LargeurChamps = 735;
inline constexpr int HauteurChamps = 285;
// The envelopes' weights stand out in a larger face.
inline constexpr qreal PointsEnveloppes = 9.75;
// The extra grams' fixed text, never shown.
inline constexpr QRect ChampFixe = twips(720, 2160, 1215, 285);

struct Bouton
{
    const char *nom;
    const char16_t *legende;
    QRect geometrie;
};
// Save, cancel, defaults.
const std::array<Bouton, 3> &boutons();

} // namespace DessinForm2
