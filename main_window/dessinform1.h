#pragma once

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

// The frames in creation order, which is the order the design stacks them.
enum Cadre { Frame1, Frame2, Frame3, Frame8, Frame7, Frame4, Frame5, Frame6, NombreCadres };

struct CadreDessin
{
    const char16_t *nom;
    const char16_t *titre;
    QRect geometrie;
    QColor couleurTitre;
};
const std::array<CadreDessin, NombreCadres> &cadres();

// One item line, in line order (line n counts with Text<n>). The help line
// over its caption label reads prefix + unit weight + suffix.
struct LigneDessin
{
    Cadre cadre;
    const char16_t *label;
    const char16_t *legende;
    int largeur;   // twips
    const char16_t *prefixeAide;
    const char16_t *suffixeAide;
};
const std::array<LigneDessin, CatalogueElements::NombreEntrees> &lignes();

// The drop-down menu's entries: design name, caption, shortcut, window
// shown and picture; without a caption, a separator.
struct EntreeMenu
{
    const char16_t *nom;
    const char16_t *legende;
    QKeyCombination raccourci;
    std::optional<Fenetre> fenetre;
    const char16_t *image;
};
const std::array<EntreeMenu, 7> &menuFichier();

// The menu bar's and the drop-down's colours and font spacing.
QString styleMenus();

} // namespace DessinForm1
