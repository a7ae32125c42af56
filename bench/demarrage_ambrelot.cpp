// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Ambrelot's start-up as main() runs it, over the settings directory named on
// the command line, ending once the main window, shown and activated, has
// been painted for the first time. Built a second time as demarrage_qtnetwork,
// with a QLocalServer listening beside it in that directory: the start-up as
// it was while the single-instance socket came from Qt Network.

#include "bench/premierepeinture.h"
#include "main_window/demarrage.h"
#include "settings/fichiersini.h"

#include <QApplication>
#ifdef AMBRELOT_AVEC_QTNETWORK
#include <QLocalServer>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage : demarrage_ambrelot DOSSIER\n", stderr);
        return 2;
    }
#ifdef AMBRELOT_AVEC_QTNETWORK
    QLocalServer serveur;
    serveur.setSocketOptions(QLocalServer::UserAccessOption);
    if (!serveur.listen(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/prise")))
        return 5;
#endif
    bool montree = false;
    const int code = demarrer(app, FichiersIni(QString::fromLocal8Bit(argv[1])), [&montree](QWidget &fenetre) {
        montree = true;
        quitterApresPremierePeinture(fenetre);
    });
    // Another copy running would make this start look free.
    return montree ? code : 4;
}
