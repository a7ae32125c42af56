#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QFont;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Pieces every dialog of the program is built from, placed in pixels
// (see twips()).

// Fixed size, title bar with a close button only. A dialog lives in the
// taskbar only when asked; the others stay with the main window.
void preparerFenetre(QDialog *fenetre, const QString &nom, int largeurTwips, int hauteurTwips,
                     bool dansLaBarreDesTaches);

// A frame with an optional blue bold caption.
QGroupBox *creerCadre(QWidget *parent, const QString &nom, const QString &legende,
                      const QRect &geometrie);

// Sets the font unless the control inherits that very font from its parent:
// an explicit font costs a font change event, in a field a new text layout.
void poserPolice(QWidget *controle, const QFont &police);

QLabel *creerLabel(QWidget *parent, const QString &nom, const QString &texte,
                   const QRect &geometrie, const QFont &police);

// A push button that Enter in a field never clicks: only its click and its
// access key act.
QPushButton *creerBouton(QWidget *parent, const QString &nom, const QString &legende,
                         const QRect &geometrie);
