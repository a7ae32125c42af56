#include "dialogs/champsaisie.h"

#include <algorithm>

ChampSaisie::ChampSaisie(int limiteFrappe, QWidget *parent)
    : QLineEdit(parent), m_limiteFrappe(limiteFrappe)
{
    ajusterLimite();
    connect(this, &QLineEdit::textEdited, this, &ChampSaisie::ajusterLimite);
}

// Every setMaxLength sets the text again, as costly as setText itself: the
// limit changes only when it must, raised before the text so as not to cut
// it, lowered after it once the text fits.
void ChampSaisie::definirTexte(const QString &texte)
{
    const int limite = m_limiteFrappe > 0 ? std::max(m_limiteFrappe, int(texte.size())) : maxLength();
    if (limite > maxLength())
        setMaxLength(limite);
    setText(texte);
    if (limite < maxLength())
        setMaxLength(limite);
}

// After each edit the limit shrinks back towards the typing limit, never
// below the text's length (lowering maxLength under it would cut the text).
// Setting the limit sets the text again, which loses the undo history and
// sends the cursor to the end: it is set only when it changes, and the
// cursor is put back where the user left it.
void ChampSaisie::ajusterLimite()
{
    const int limite = std::max(m_limiteFrappe, int(text().size()));
    if (m_limiteFrappe > 0 && limite != maxLength()) {
        const int curseur = cursorPosition();
        setMaxLength(limite);
        setCursorPosition(curseur);
    }
}
