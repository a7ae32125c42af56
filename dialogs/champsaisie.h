#pragma once

#include <QLineEdit>

// A one-line field whose typing limit does not cut what the program puts in.
// QLineEdit's maxLength would truncate a long value read from a file; here
// the limit only keeps the user from growing the text past it, so a value
// longer than the limit loads whole, can be shortened, and saves back as is.
class ChampSaisie : public QLineEdit
{
public:
    // limiteFrappe 0: no limit.
    explicit ChampSaisie(int limiteFrappe, QWidget *parent);

    // Sets the text as the program does: whole, whatever its length.
    void definirTexte(const QString &texte);

private:
    void ajusterLimite();

    int m_limiteFrappe;
};
