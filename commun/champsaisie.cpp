// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/champsaisie.h"

#include "commun/apparence.h"
#include "commun/clavier.h"

#include <QKeyEvent>

#include <algorithm>

ChampSaisie::ChampSaisie(Admis admis, int limiteFrappe, QWidget *parent)
    : QLineEdit(parent), m_admis(admis), m_limiteFrappe(limiteFrappe)
{
    ajusterLimite();
    connect(this, &QLineEdit::textEdited, this, &ChampSaisie::ajusterLimite);
}

bool ChampSaisie::admet(int code) const
{
    if (m_admis == Admis::Tout || m_admis == Admis::Prix || (code >= 8 && code <= 13) || (code >= '0' && code <= '9'))
        return true;
    return code == ',' && m_admis == Admis::ChiffresEtVirgule;
}

bool ChampSaisie::event(QEvent *evenement)
{
    if (evenement->type() == QEvent::ShortcutOverride
        && m_raccourcisCedes.contains(QKeySequence(static_cast<QKeyEvent *>(evenement)->keyCombination()))) {
        evenement->ignore();
        return true;
    }
    return QLineEdit::event(evenement);
}

void ChampSaisie::keyPressEvent(QKeyEvent *evenement)
{
    const bool decimal = m_admis == Admis::ChiffresEtVirgule || m_admis == Admis::Prix;
    if (decimal && evenement->modifiers().testFlag(Qt::KeypadModifier) && evenement->text() == u".") {
        QKeyEvent virgule(evenement->type(), Qt::Key_Comma, evenement->modifiers(), QStringLiteral(","),
                          evenement->isAutoRepeat(), evenement->count());
        keyPressEvent(&virgule);
        evenement->setAccepted(virgule.isAccepted());
        return;
    }
    // Accepted, a refused key goes no further: Escape does not close the
    // dialog under the field, which keeps the user's edits.
    const std::optional<int> code = codeCaractere(*evenement);
    if (code && !admet(*code)) {
        evenement->accept();
        Bip::sonner();
        return;
    }
    QLineEdit::keyPressEvent(evenement);
}

// Text that an input method commits (a dead key then a letter, a compose
// sequence) carries characters no key press did: each goes through the
// filter like a typed one, and each refused beeps once.
void ChampSaisie::inputMethodEvent(QInputMethodEvent *composition)
{
    const QString commis = composition->commitString();
    QString gardes;
    for (const char32_t c : commis.toUcs4()) {
        if (admet(int(c)))
            gardes += QString::fromUcs4(&c, 1);
        else
            Bip::sonner();
    }
    if (gardes != commis)
        composition->setCommitString(gardes, composition->replacementStart(), composition->replacementLength());
    QLineEdit::inputMethodEvent(composition);
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
