// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/champsaisie.h"

#include "commun/apparence.h"
#include "commun/clavier.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>

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
    const std::optional<int> code = codeCaractere(*evenement);
    const bool pave = evenement->modifiers().testFlag(Qt::KeypadModifier);
    if (code == '.' && (m_admis == Admis::ChiffresEtVirgule || (pave && m_admis == Admis::Prix))) {
        QKeyEvent virgule(evenement->type(), Qt::Key_Comma, evenement->modifiers(), QStringLiteral(","),
                          evenement->isAutoRepeat(), evenement->count());
        QLineEdit::keyPressEvent(&virgule);
        evenement->setAccepted(virgule.isAccepted());
        return;
    }
    // Accepted, a refused key goes no further: Escape does not close the
    // dialog under the field, which keeps the user's edits.
    if (code && !admet(*code)) {
        evenement->accept();
        Bip::sonner();
        return;
    }
    // Ctrl+V, refused above, does not get here; Shift+Insert does.
    if (filtreLesCollages() && evenement->matches(QKeySequence::Paste)) {
        evenement->accept();
        coller(QClipboard::Clipboard);
        return;
    }
    QLineEdit::keyPressEvent(evenement);
}

// Text that an input method commits (a dead key then a letter, a compose
// sequence) carries characters no key press did: each goes through the
// filter like a typed one.
void ChampSaisie::inputMethodEvent(QInputMethodEvent *composition)
{
    const QString commis = composition->commitString();
    const QString gardes = filtrer(commis);
    if (gardes != commis)
        composition->setCommitString(gardes, composition->replacementStart(), composition->replacementLength());
    QLineEdit::inputMethodEvent(composition);
}

// The middle button pastes the selection where the desktop has one.
void ChampSaisie::mouseReleaseEvent(QMouseEvent *evenement)
{
    if (filtreLesCollages() && evenement->button() == Qt::MiddleButton
        && QGuiApplication::clipboard()->supportsSelection()) {
        evenement->accept();
        deselect();
        coller(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(evenement);
}

// The standard menu's "Coller" calls QLineEdit::paste, which no subclass
// can replace: it is rewired to this field's own paste.
void ChampSaisie::contextMenuEvent(QContextMenuEvent *evenement)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (filtreLesCollages()) {
        static const QMetaMethod declenchee = QMetaMethod::fromSignal(&QAction::triggered);
        static const QMetaMethod collerQt
            = QLineEdit::staticMetaObject.method(QLineEdit::staticMetaObject.indexOfSlot("paste()"));
        for (QAction *action : menu->actions()) {
            if (disconnect(action, declenchee, this, collerQt))
                connect(action, &QAction::triggered, this, [this] { coller(QClipboard::Clipboard); });
        }
    }
    menu->popup(evenement->globalPos());
}

// Each character as if typed: a refused one beeps once and goes.
QString ChampSaisie::filtrer(const QString &texte) const
{
    QString gardes;
    for (char32_t c : texte.toUcs4()) {
        if (c == '.' && m_admis == Admis::ChiffresEtVirgule)
            c = ',';
        if (admet(int(c)))
            gardes += QString::fromUcs4(&c, 1);
        else
            Bip::sonner();
    }
    return gardes;
}

// Pasting "-50" must not give -50 grams: a count or a weight takes from a
// paste what typing would let in. The control codes, which typed act as
// keys, insert nothing (a spreadsheet's cell ends with a line feed).
void ChampSaisie::coller(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    QString texte = QGuiApplication::clipboard()->text(mode);
    texte.removeIf([](QChar c) { return c.unicode() >= 8 && c.unicode() <= 13; });
    texte = filtrer(texte);
    // What QLineEdit::paste does with the clipboard's text, the typing limit included.
    if (!texte.isEmpty() || hasSelectedText())
        insert(texte);
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
