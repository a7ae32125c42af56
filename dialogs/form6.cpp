// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form6.h"

#include "commun/apparence.h"
#include "commun/construction.h"
#include "commun/version.h"
#include "dialogs/dessinform6.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

Form6::Form6(QWidget *parent) : QDialog(parent)
{
    preparerFenetre(this, QStringLiteral("Form6"), DessinForm6::Largeur, DessinForm6::Hauteur, false);
    setWindowTitle(QStringLiteral("A Propos de l'Application"));
    setWindowIcon(QIcon(QStringLiteral(":/dialogues/apropos.svg")));

    QGroupBox *cadre = creerCadre(this, QStringLiteral("Frame1"), {}, DessinForm6::Frame1);

    // The white copy first, so the title covers it and leaves a light edge
    // below and right of each letter.
    const QFont titre = policeSansSerif(24, true);
    QLabel *relief
        = creerLabel(cadre, QStringLiteral("Label1"), QStringLiteral("Ambrelot"), DessinForm6::Label1, titre);
    colorerTexte(relief, Couleurs::Blanc);
    // Clicks pass through to the frame beneath, which closes the box like
    // every other surface.
    relief->setAttribute(Qt::WA_TransparentForMouseEvents);
    creerLabel(cadre, QStringLiteral("Label2"), QStringLiteral("Ambrelot"), DessinForm6::Label2, titre);

    m_version = creerLabel(cadre, QStringLiteral("Label3"), QStringLiteral("Version ") + texteVersion(),
                           DessinForm6::Label3, policeSansSerif(12, true));
    m_version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_notice = creerLabel(cadre, QStringLiteral("Label4"), {}, DessinForm6::Label4, policeSansSerif(8.25, true));
}

void Form6::showEvent(QShowEvent *evenement)
{
    m_version->setText(QStringLiteral("Version ") + texteVersion());
    m_notice->setText(QStringLiteral("Poids et prix de vos envois postaux"));
    QDialog::showEvent(evenement);
}

// Labels and the frame let mouse clicks through to here.
void Form6::mouseReleaseEvent(QMouseEvent *evenement)
{
    if (evenement->button() == Qt::LeftButton && rect().contains(evenement->position().toPoint())) {
        reject();
        return;
    }
    QDialog::mouseReleaseEvent(evenement);
}
