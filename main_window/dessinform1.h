// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commun/apparence.h"
#include "dialogs/fenetre.h"
#include "settings/catalogueelements.h"

#include <QColor>
#include <QKeyCombination>
#include <QRect>
#include <QString>

#include <array>
#include <optional>

// The main window's design: its frames, its item lines with their help
// texts, its menu and the menus' look.
namespace DessinForm1 {

// Measures in twips.
inline constexpr int LargeurFond = 9030;
inline constexpr int HauteurFond = 6555;
inline constexpr int PasDesLignes = 360;
inline constexpr int GaucheLegendes = 120;
inline constexpr int HauteurLegendes = 255;
inline constexpr int LargeurCases = 735;
inline constexpr int HauteurCases = 285;
inline constexpr int IntervalleHorloge = 100; // ms

// The frames in creation order, which is the order the design stacks them.
enum Cadre { Frame1, Frame2, Frame3, Frame8, Frame7, Frame4, Frame5, Frame6, NombreCadres };

struct CadreDessin
{
    const char16_t *nom;
    const char16_t *titre;
    QRect geometrie;
    QColor couleurTitre;
    int hautPremiereLigne; // of its item lines, which follow PasDesLignes
    int gaucheCases;
};
const std::array<CadreDessin, NombreCadres> &cadres();

// A label of the result frame or of the window itself, in creation order,
// which is the order the design stacks them.
struct LabelDessin
{
    const char16_t *nom;
    const char16_t *texte;
    QRect geometrie;
    qreal points;
    bool gras;
    std::optional<QColor> couleur; // none: the desktop's text colour
    bool opaque;
    Qt::Alignment alignement;
};
enum LabelResultat { Label3, Label4, Label5 };
const std::array<LabelDessin, 3> &labelsResultat();
enum LabelBas { Label27, Label31, Label32 };
const std::array<LabelDessin, 3> &labelsBas();
inline constexpr QRect Image1 = twips(1680, 120, 1215, 1575);

// The service options, indexed by ServiceExpedition: their help texts; their
// captions are the grids' NomOption.
struct OptionDessin
{
    const char16_t *aide;
};
inline constexpr int GaucheOptions = 120;
inline constexpr int LargeurOptions = 2775;
inline constexpr int HauteurOptions = 255;
const std::array<OptionDessin, 3> &options();

// One item line, in line order (line n counts with Text<n>). The help line
// over its caption label reads prefix + unit weight + suffix.
struct LigneDessin
{
    Cadre cadre;
    const char16_t *label;
    const char16_t *legende;
    int largeur; // twips
    const char16_t *prefixeAide;
    const char16_t *suffixeAide;
};
const std::array<LigneDessin, CatalogueElements::NombreEntrees> &lignes();

// The drop-down menu's entries: design name, caption, shortcut, what it
// does and picture; without a caption, a separator.
enum class Commande { Ouvrir, Importer, Exporter, Quitter };
struct EntreeMenu
{
    const char16_t *nom;
    const char16_t *legende;
    QKeyCombination raccourci;
    Commande commande;
    Fenetre fenetre; // the window Ouvrir shows
    const char16_t *image;
};
const std::array<EntreeMenu, 9> &menuFichier();

// The menu bar's and the drop-down's colours and font spacing.
QString styleMenus();

} // namespace DessinForm1
