// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/demarrage.h"
#include "main_window/lignedecommande.h"
#include "settings/fichiersini.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    {
        // The options work without a display and leave a running copy alone.
        QCoreApplication ligne(argc, argv);
        if (const auto code = executerLigneDeCommande(ligne.arguments(), FichiersIni::duProgramme()))
            return *code;
    }
    QApplication app(argc, argv);
    return demarrer(app, FichiersIni::duProgramme());
}
