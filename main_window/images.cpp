// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/images.h"

#include <QPainter>

Timbre::Timbre(QWidget *parent) : QWidget(parent), m_rendu(QStringLiteral(":/images/timbre.svg")) { }

void Timbre::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    m_rendu.render(&peintre, QRectF(rect()));
}

QIcon icone(const QString &chemin)
{
    QSvgRenderer rendu(chemin);
    QIcon i;
    // 64 for screens at a scale factor of 2.
    for (const int taille : {16, 32, 64}) {
        QPixmap image(taille, taille);
        image.fill(Qt::transparent);
        QPainter peintre(&image);
        rendu.render(&peintre);
        peintre.end();
        i.addPixmap(image);
    }
    return i;
}
