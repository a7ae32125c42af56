// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/aidesurvol.h"

#include <QEvent>
#include <QLabel>

void AideSurvol::ajouter(QWidget *controle, std::function<QString()> texte)
{
    m_textes.insert(controle, std::move(texte));
    controle->setMouseTracking(true);
    controle->setAttribute(Qt::WA_NoMousePropagation);
    controle->installEventFilter(this);
}

bool AideSurvol::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::MouseMove && m_ligne) {
        if (const auto &texte = m_textes.value(objet))
            m_ligne->setText(texte());
    }
    return QObject::eventFilter(objet, evenement);
}
