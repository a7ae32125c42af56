// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Ambrelot's start-up as main() runs it, over the settings directory named on
// the command line, ending once the main window, shown and activated, has
// been painted for the first time.

#include "bench/premierepeinture.h"
#include "main_window/demarrage.h"
#include "settings/fichiersini.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage : demarrage_ambrelot DOSSIER\n", stderr);
        return 2;
    }
    bool montree = false;
    const int code = demarrer(app, FichiersIni(QString::fromLocal8Bit(argv[1])), [&montree](QWidget &fenetre) {
        montree = true;
        quitterApresPremierePeinture(fenetre);
    });
    // Another copy running would make this start look free.
    return montree ? code : 4;
}
