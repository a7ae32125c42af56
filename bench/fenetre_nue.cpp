// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up: a bare Qt program that shows an empty window of the
// main window's size, lets it be painted once, and exits.

#include "bench/premierepeinture.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setFixedSize(602, 437);
    fenetre.show();
    quitterApresPremierePeinture(fenetre);
    return app.exec();
}
