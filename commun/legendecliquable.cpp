// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/legendecliquable.h"

#include <QMouseEvent>

void LegendeCliquable::mouseReleaseEvent(QMouseEvent *evenement)
{
    emit relache(evenement->button());
    QLabel::mouseReleaseEvent(evenement);
}
