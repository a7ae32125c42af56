// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/clavier.h"

#include <QKeyEvent>

namespace {

bool imprimable(const QString &texte)
{
    return !texte.isEmpty() && texte.at(0).unicode() >= 32 && texte.at(0).unicode() != 127;
}

} // namespace

std::optional<int> codeCaractere(const QKeyEvent &touche)
{
    const Qt::KeyboardModifiers modificateurs = touche.modifiers();
    // Windows hands Alt with a key to the menus, which beep when no mnemonic
    // answers; the box never gets the character. Code 0 passes no filter.
    if (modificateurs & (Qt::AltModifier | Qt::MetaModifier))
        return imprimable(touche.text()) ? std::optional<int>(0) : std::nullopt;
    const int cle = touche.key();
    if (modificateurs & Qt::ControlModifier) {
        if (cle >= Qt::Key_A && cle <= Qt::Key_Z)
            return cle - Qt::Key_A + 1;
        if (cle == Qt::Key_Backspace)
            return 127;
        if (cle == Qt::Key_Return || cle == Qt::Key_Enter)
            return 10;
        return std::nullopt;
    }
    switch (cle) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    const QString t = touche.text();
    if (imprimable(t))
        return t.at(0).unicode();
    return std::nullopt;
}
