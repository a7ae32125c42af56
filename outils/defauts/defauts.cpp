// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the four settings files with the built-in defaults into a directory,
// the prices of the price file given, leaving alone any file that is already
// there: a user's settings are never overwritten by a rebuild or a reinstall.
//   ambrelot-defauts DOSSIER [TARIFS.csv]

#include "settings/defauts.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream erreurs(stderr);
    if (argc != 2 && argc != 3) {
        erreurs << "usage : ambrelot-defauts DOSSIER [TARIFS.csv]\n";
        return 2;
    }
    FichierTarifs::Lecture tarifs;
    if (argc == 3) {
        const QString chemin = QString::fromLocal8Bit(argv[2]);
        QFile fichier(chemin);
        tarifs = fichier.open(QIODevice::ReadOnly) ? FichierTarifs::lire(fichier.readAll(), chemin)
                                                   : FichierTarifs::Lecture{{}, chemin + QStringLiteral(" illisible")};
        if (!tarifs.refus.isEmpty()) {
            erreurs << tarifs.refus << '\n';
            return 1;
        }
    }
    const FichiersIni fichiers(QString::fromLocal8Bit(argv[1]));
    const ResultatEcriture resultat = ecrireFichiersManquants(fichiers, {}, tarifs.services);
    if (!resultat)
        erreurs << resultat.raison << '\n';
    return resultat ? 0 : 1;
}
