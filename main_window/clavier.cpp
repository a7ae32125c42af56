#include "main_window/clavier.h"

#include <QKeyEvent>

std::optional<int> codeCaractere(const QKeyEvent &touche)
{
    const Qt::KeyboardModifiers modificateurs = touche.modifiers();
    if (modificateurs & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
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
    if (!t.isEmpty() && t.at(0).unicode() >= 32 && t.at(0).unicode() != 127)
        return t.at(0).unicode();
    return std::nullopt;
}
