#pragma once

#include <functional>
#include <optional>

class QInputMethodEvent;
class QKeyEvent;

// The character code a key press types, as a keystroke filter sees it:
// printable characters, Ctrl+letter (1 to 26), Backspace (8), Tab (9),
// Enter (13), Escape (27); 0 for Alt or Meta with a key that types a
// character (no filter takes it). Nothing for keys that type no character
// (arrows, Home, End, Delete, function keys, Alt alone).
std::optional<int> codeCaractere(const QKeyEvent &touche);

// Text that an input method commits (a dead key then a letter, a compose
// sequence) carries characters that no key press did: each goes through the
// box's filter `permis` like a typed one, and each refused beeps once.
void filtrerComposition(QInputMethodEvent &composition, const std::function<bool(int)> &permis);
