#include "dialogs/champsaisie.h"

#include <algorithm>

ChampSaisie::ChampSaisie(int limiteFrappe, QWidget *parent)
    : QLineEdit(parent), m_limiteFrappe(limiteFrappe)
{
    ajusterLimite();
    connect(this, &QLineEdit::textEdited, this, &ChampSaisie::ajusterLimite);
}

void ChampSaisie::definirTexte(const QString &texte)
{
    if (m_limiteFrappe > 0)
        setMaxLength(std::max(m_limiteFrappe, int(texte.size())));
    setText(texte);
}

// After each edit the limit shrinks back towards the typing limit, never
// below the text's length (lowering maxLength under it would cut the text).
void ChampSaisie::ajusterLimite()
{
    if (m_limiteFrappe > 0)
        setMaxLength(std::max(m_limiteFrappe, int(text().size())));
}
