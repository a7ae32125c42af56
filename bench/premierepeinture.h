// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// Ends a start-up child once its window has been painted for the first time,
// the same way for the bare window and for Ambrelot. A window that never
// paints fails the run instead of hanging it.
inline void quitterApresPremierePeinture(QWidget &fenetre)
{
    struct Guetteur : QObject
    {
        using QObject::QObject;
        bool eventFilter(QObject *objet, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && !m_vue) {
                m_vue = true;
                // Queued, so that the rest of the window paints first.
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
            return QObject::eventFilter(objet, event);
        }
        bool m_vue = false;
    };
    fenetre.installEventFilter(new Guetteur(&fenetre));
    QTimer::singleShot(10000, qApp, [] {
        std::fputs("fenêtre jamais peinte\n", stderr);
        std::exit(3);
    });
}
