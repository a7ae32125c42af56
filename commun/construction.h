// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commun/apparence.h"
#include "commun/champsaisie.h"

#include <QLabel>
#include <QList>
#include <QRect>
#include <QString>

class QDialog;
class QFont;
class QGroupBox;
class QPushButton;
class QWidget;

// Pieces every window of the program is built from, placed in pixels
// (see twips()).

// Fixed size, title bar with a close button only. A dialog lives in the
// taskbar only when asked; the others stay with the main window.
void preparerFenetre(QDialog *fenetre, const QString &nom, int largeurTwips, int hauteurTwips,
                     bool dansLaBarreDesTaches);

// A frame with an optional bold caption, blue unless told otherwise. Its
// style sheet waits for its first show: re-polishing a frame and its
// children is most of the cost of loading a dialog, and a dialog loaded
// hidden, only for its fields, is never drawn. A window that is always
// shown takes it at once, before the frame has children to re-polish.
enum class Style { AuPremierAffichage, Immediat };
QGroupBox *creerCadre(QWidget *parent, const QString &nom, const QString &legende, const QRect &geometrie,
                      const QColor &couleurLegende = Couleurs::Bleu, Style style = Style::AuPremierAffichage);

// A caption showing its text as plain text, at the top; wider than its
// box, the box grows.
void preparerLabel(QLabel *label, const QString &nom, const QRect &geometrie, const QFont &police,
                   Qt::Alignment horizontal);
template<typename Label = QLabel>
Label *creerLabel(QWidget *parent, const QString &nom, const QString &texte, const QRect &geometrie,
                  const QFont &police, Qt::Alignment horizontal = Qt::AlignLeft)
{
    auto *label = new Label(texte, parent);
    preparerLabel(label, nom, geometrie, police, horizontal);
    return label;
}

// The colour of a control's text.
void colorerTexte(QWidget *controle, const QColor &couleur);

// Keyboard focus moves through `ordre` in that order.
void chainerTabulation(const QList<QWidget *> &ordre);

// A field that filters its typing; a screen reader names it `nomAccessible`.
ChampSaisie *creerChamp(QWidget *parent, const QString &nom, ChampSaisie::Admis admis, int limiteFrappe,
                        const QRect &geometrie, const QFont &police, Qt::Alignment alignement,
                        const QString &nomAccessible);

// Tells the user, over `fenetre`, of something that went wrong; the message
// names files and folders, shown as plain text.
void avertir(QWidget *fenetre, const QString &titre, const QString &message);

// A push button that Enter in a field never clicks: only its click and its
// access key act.
QPushButton *creerBouton(QWidget *parent, const QString &nom, const QString &legende, const QRect &geometrie);
