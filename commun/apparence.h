// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

// The look every window of the program shares, and its beep.

// The windows are laid out in twips; 15 twips make one pixel at 96 dpi.
constexpr int pixels(int twips) { return twips / 15; }
constexpr QRect twips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(pixels(gauche), pixels(haut), pixels(largeur), pixels(hauteur));
}

// The design's "MS Sans Serif" and "Tahoma" are not on Linux; the nearest
// face of the same metrics class stands in for both.
QFont policeSansSerif(qreal points, bool gras);

// The style sheet of a frame as the design draws it: an etched border with
// the caption, in its colour, on the border's top line. Aimed at the frame
// by name so that the labels and boxes inside keep their own looks.
QString styleCadre(const QString &nom, const QColor &couleurTitre);

namespace Couleurs {
inline const QColor Bleu(0, 0, 255);
inline const QColor Rouge(255, 0, 0);
inline const QColor Blanc(255, 255, 255);
inline const QColor GrisClair(224, 224, 224);
inline const QColor Lavande(192, 192, 255);
inline const QColor Pervenche(128, 128, 255);
} // namespace Couleurs

// Gives every window, menu and tooltip of the program the colours the design
// leaves to the system (the face behind labels and frames, its text, the
// boxes' white): those of the classic desktop it was drawn on, which its own
// blue, red and greys were chosen against. Whatever the desktop's scheme: a
// dark one would put the blue frame titles on a dark face and grey boxes
// round the labels. After the style is set, which resets the palette.
void adopterPaletteDessin();

// Every beep of the program goes through here, so tests can count them.
namespace Bip {
void sonner();
// Replaces the system beep; an empty function puts it back.
void remplacer(std::function<void()> bip);
} // namespace Bip
