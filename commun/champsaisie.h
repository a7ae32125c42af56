// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QList>

// A one-line field that filters its own typing and whose typing limit does
// not cut what the program puts in.
//
// What it admits is checked on every typed or input-method character; a
// refused one is discarded before it reaches the text, with the beep. The
// control codes 8 to 13 (Backspace, Tab, Enter...) always pass. In a field
// that takes a decimal number the numeric keypad's decimal key, which gives
// "." on many French systems, types the comma: "2.8" grams would be refused
// to 28, ten times the weight.
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

private:
    bool admet(int code) const;
    void ajusterLimite();

    Admis m_admis;
    int m_limiteFrappe;
    QList<QKeySequence> m_raccourcisCedes;
};
