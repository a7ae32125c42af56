#pragma once

#include <optional>

class QKeyEvent;

// The character code a key press types, as a keystroke filter sees it:
// printable characters, Ctrl+letter (1 to 26), Backspace (8), Tab (9),
// Enter (13), Escape (27). Nothing for keys that type no character (arrows,
// Home, End, Delete, function keys) or that belong to menus (Alt).
std::optional<int> codeCaractere(const QKeyEvent &touche);
