// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the settings files: one read and one whole grid save, each against
// reading the file's raw bytes in the same run.

#include "bench/mesure.h"
#include "settings/tarifs.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    GrilleTarif grille = Tarifs::grille(ServiceExpedition::TarifNormal);
    Tarifs::restaurerDefauts(grille);
    if (!Tarifs::enregistrer(grille, fichiers))
        return 1;
    const QString chemin = fichiers.chemin(FichierReglages::TarifNormal);

    const int tours = 2000;
    const double brut = medianeNs(tours, [&] {
        QFile f(chemin);
        f.open(QIODevice::ReadOnly);
        volatile qsizetype n = f.readAll().size();
        (void)n;
    });
    // The last key of the file: the whole file is scanned.
    const double lecture = medianeNs(tours, [&] {
        volatile qsizetype n = fichiers.LireTarifNormal(u"Date", u"MiseAJour").size();
        (void)n;
    });
    const double enregistrement = medianeNs(tours / 4, [&] { Tarifs::enregistrer(grille, fichiers); });

    std::printf("Fichier TarifNormal.ini, %lld octets\n", QFile(chemin).size());
    afficherRatio("Référence : lire les octets du fichier", brut, brut);
    afficherRatio("Lire une clé (LireTarifNormal)", lecture, brut);
    afficherRatio("Enregistrer la grille France Rapide", enregistrement, brut);
    return 0;
}
