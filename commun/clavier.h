// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

class QKeyEvent;

// The character code a key press types, as a keystroke filter sees it:
// printable characters, Ctrl+letter (1 to 26), Backspace (8), Tab (9),
// Enter (13), Escape (27); 0 for Alt or Meta with a key that types a
// character (no filter takes it). Nothing for keys that type no character
// (arrows, Home, End, Delete, function keys, Alt alone).
std::optional<int> codeCaractere(const QKeyEvent &touche);
