// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QList>

// A one-line field that filters its own typing and whose typing limit does
// not cut what the program puts in.
//
// What it admits is checked on every typed, input-method or pasted
// character; a refused one is discarded before it reaches the text, with
// the beep. The control codes 8 to 13 (Backspace, Tab, Enter...) always
// pass as keys; pasted, they insert nothing. In a weight a period is the
// comma ("12.5" grams would otherwise be refused to 125, ten times the
// weight); in a price only the keypad's decimal key, which gives "." on many
// French systems, types the comma.
//
// QLineEdit's maxLength would truncate a long value read from a file; here
// the limit only keeps the user from growing the text past it, so a value
// longer than the limit loads whole, can be shortened, and saves back as is.
// How many characters the user may type into a field of a settings dialog.
inline constexpr int LimiteFrappeReglages = 8;

class ChampSaisie : public QLineEdit
{
public:
    // Counts; weights; prices, which admit anything but take a decimal
    // number; anything (the currency symbol).
    enum class Admis { Chiffres, ChiffresEtVirgule, Prix, Tout };

    // limiteFrappe 0: no limit.
    ChampSaisie(Admis admis, int limiteFrappe, QWidget *parent);

    // Sets the text as the program does: whole, whatever its length.
    void definirTexte(const QString &texte);

    // Key combinations the field leaves to its window's shortcuts, although
    // a line edit would take them (Ctrl+C to copy, Ctrl+E to end of line).
    void cederRaccourcis(const QList<QKeySequence> &raccourcis) { m_raccourcisCedes = raccourcis; }

protected:
    bool event(QEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void inputMethodEvent(QInputMethodEvent *composition) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void contextMenuEvent(QContextMenuEvent *evenement) override;

private:
    bool admet(int code) const;
    // Counts and weights; a price or the symbol pastes anything.
    bool filtreLesCollages() const { return m_admis == Admis::Chiffres || m_admis == Admis::ChiffresEtVirgule; }
    QString filtrer(const QString &texte) const;
    void coller(QClipboard::Mode mode);
    void ajusterLimite();

    Admis m_admis;
    int m_limiteFrappe;
    QList<QKeySequence> m_raccourcisCedes;
};
