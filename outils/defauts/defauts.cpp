// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the four settings files with the built-in defaults into a directory,
// leaving alone any file that is already there: a user's settings are never
// overwritten by a rebuild or a reinstall.

#include "settings/defauts.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream erreurs(stderr);
    if (argc != 2) {
        erreurs << "usage : ambrelot-defauts DOSSIER\n";
        return 2;
    }
    const FichiersIni fichiers(QString::fromLocal8Bit(argv[1]));
    const ResultatEcriture resultat = ecrireFichiersManquants(fichiers);
    if (!resultat)
        erreurs << resultat.raison << '\n';
    return resultat ? 0 : 1;
}
