// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up as it was while the single-instance socket came from Qt
// Network: Ambrelot's start-up with a QLocalServer listening beside it, in
// the settings directory named on the command line. The start-up benchmark
// runs it with the others, so that one run shows the memory before and after.

#include "bench/premierepeinture.h"
#include "main_window/demarrage.h"
#include "settings/fichiersini.h"

#include <QApplication>
#include <QLocalServer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage : demarrage_qtnetwork DOSSIER\n", stderr);
        return 2;
    }
    QLocalServer serveur;
    serveur.setSocketOptions(QLocalServer::UserAccessOption);
    if (!serveur.listen(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/prise")))
        return 5;
    bool montree = false;
    const int code = demarrer(app, FichiersIni(QString::fromLocal8Bit(argv[1])), [&montree](QWidget &fenetre) {
        montree = true;
        quitterApresPremierePeinture(fenetre);
    });
    return montree ? code : 4;
}
