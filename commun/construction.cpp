// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/construction.h"

#include "commun/apparence.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

// A frame that takes its style sheet when it first shows.
class CadreDialogue : public QGroupBox
{
public:
    CadreDialogue(const QString &legende, QWidget *parent) : QGroupBox(legende, parent) { }

    QString styleDiffere;

protected:
    void showEvent(QShowEvent *evenement) override
    {
        if (!styleDiffere.isEmpty()) {
            setStyleSheet(styleDiffere);
            styleDiffere.clear();
        }
        QGroupBox::showEvent(evenement);
    }
};

// Caption widths are layout data only, the same at every load of a dialog in
// this process: each caption is measured once for each face, resolution and
// scale it is drawn at. Measuring text was a tenth of loading a dialog.
int largeurLegende(const QLabel *label, const QString &texte, const QFont &police)
{
    struct Contexte
    {
        QFont police;
        int dpi;
        qreal echelle;
        QHash<QString, int> largeurs;
    };
    static std::vector<Contexte> contextes;
    const int dpi = label->logicalDpiY();
    const qreal echelle = label->devicePixelRatioF();
    auto contexte = std::find_if(contextes.begin(), contextes.end(), [&](const Contexte &c) {
        return c.dpi == dpi && c.echelle == echelle && c.police == police;
    });
    if (contexte == contextes.end())
        contexte = contextes.insert(contextes.end(), Contexte{police, dpi, echelle, {}});
    auto largeur = contexte->largeurs.constFind(texte);
    if (largeur == contexte->largeurs.constEnd())
        largeur = contexte->largeurs.insert(texte, label->fontMetrics().horizontalAdvance(texte));
    return *largeur;
}

// Sets the font unless the control inherits that very font from its parent:
// an explicit font costs a font change event, in a field a new text layout.
void poserPolice(QWidget *controle, const QFont &police)
{
    if (controle->font() != police)
        controle->setFont(police);
}

} // namespace

void preparerFenetre(QDialog *fenetre, const QString &nom, int largeurTwips, int hauteurTwips,
                     bool dansLaBarreDesTaches)
{
    fenetre->setObjectName(nom);
    // A Qt::Window is a normal top-level window that desktops list in the
    // taskbar; a Qt::Dialog stays with its main window.
    fenetre->setWindowFlags((dansLaBarreDesTaches ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint
                            | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    fenetre->setFixedSize(pixels(largeurTwips), pixels(hauteurTwips));
}

QGroupBox *creerCadre(QWidget *parent, const QString &nom, const QString &legende, const QRect &geometrie,
                      const QColor &couleurLegende, Style style)
{
    auto *cadre = new CadreDialogue(legende, parent);
    cadre->setObjectName(nom);
    cadre->setGeometry(geometrie);
    cadre->setFont(policeSansSerif(8.25, true));
    if (style == Style::Immediat)
        cadre->setStyleSheet(styleCadre(nom, couleurLegende));
    else
        cadre->styleDiffere = styleCadre(nom, couleurLegende);
    return cadre;
}

void preparerLabel(QLabel *label, const QString &nom, const QRect &geometrie, const QFont &police,
                   Qt::Alignment horizontal)
{
    const QString texte = label->text();
    // Labels show prices, symbols and weights read from files: guessed as
    // rich text, "<img src=/dev/zero>" would be loaded as a picture.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(nom);
    label->setGeometry(geometrie);
    poserPolice(label, police);
    label->setAlignment(horizontal | Qt::AlignTop);
    // The stand-in face runs a pixel or two wider than the design's on some
    // captions; a transparent label may grow rather than cut its last letter.
    const int largeurTexte = largeurLegende(label, texte, police);
    if (largeurTexte > geometrie.width())
        label->resize(largeurTexte, geometrie.height());
}

void colorerTexte(QWidget *controle, const QColor &couleur)
{
    QPalette p = controle->palette();
    p.setColor(QPalette::WindowText, couleur);
    controle->setPalette(p);
}

void chainerTabulation(const QList<QWidget *> &ordre)
{
    for (qsizetype i = 1; i < ordre.size(); ++i)
        QWidget::setTabOrder(ordre.at(i - 1), ordre.at(i));
}

ChampSaisie *creerChamp(QWidget *parent, const QString &nom, ChampSaisie::Admis admis, int limiteFrappe,
                        const QRect &geometrie, const QFont &police, Qt::Alignment alignement,
                        const QString &nomAccessible)
{
    auto *champ = new ChampSaisie(admis, limiteFrappe, parent);
    champ->setObjectName(nom);
    champ->setGeometry(geometrie);
    poserPolice(champ, police);
    champ->setAlignment(alignement);
    champ->setAccessibleName(nomAccessible);
    return champ;
}

void avertir(QWidget *fenetre, const QString &titre, const QString &message)
{
    QMessageBox boite(QMessageBox::Warning, titre, message, QMessageBox::Ok, fenetre);
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

QPushButton *creerBouton(QWidget *parent, const QString &nom, const QString &legende, const QRect &geometrie)
{
    auto *bouton = new QPushButton(legende, parent);
    bouton->setObjectName(nom);
    bouton->setGeometry(geometrie);
    bouton->setFont(policeSansSerif(8.25, false));
    bouton->setAutoDefault(false);
    bouton->setDefault(false);
    return bouton;
}
