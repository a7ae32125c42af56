// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of what a start reads (every weight, every grid, the currency symbol
// and the stamps, about 52 keys) when a settings file has grown to 50 MB,
// against reading that file's raw bytes once in the same run.

#include "bench/mesure.h"
#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Plausible keys in a section of their own, the real ones at the end, so
// that every read goes through the whole file.
QByteArray gros(const QByteArray &fin)
{
    const QByteArray ligne = "Envellope999=valeur de bourrage quelconque\r\n";
    return "[Bourrage]\r\n" + ligne.repeated(50 * 1024 * 1024 / ligne.size()) + fin;
}

int lectureDeDemarrage(const FichiersIni &fichiers)
{
    int lus = 0;
    const CatalogueElements::Poids poids = CatalogueElements::charger(fichiers);
    lus += int(poids.valeurs.size()) + 1;
    for (const ServiceExpedition s : TousLesServices) {
        const GrilleTarif g = Tarifs::charger(s, fichiers);
        lus += int(g.Tranches.size()) + 1 + !g.CleReserve.isEmpty() + g.PorteSymbole;
        // The main window and the Ecopli and EU dialogs read the symbol too.
        (void)SymboleMonetaire::lire(fichiers);
        ++lus;
    }
    return lus;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    if (!CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts()))
        return 1;
    for (const ServiceExpedition s : TousLesServices) {
        GrilleTarif g = Tarifs::grille(s);
        Tarifs::restaurerDefauts(g);
        if (!Tarifs::enregistrer(g, fichiers))
            return 1;
    }

    const int tours = 5;
    const QString poids = fichiers.chemin(FichierReglages::PoidsElements);
    const double normal = medianeNs(tours, [&] { lectureDeDemarrage(fichiers); });

    {
        QFile f(poids);
        f.open(QIODevice::ReadOnly);
        const QByteArray reel = f.readAll();
        f.close();
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(gros(reel));
    }
    const double brut = medianeNs(tours, [&] {
        QFile f(poids);
        f.open(QIODevice::ReadOnly);
        volatile qsizetype n = f.readAll().size();
        (void)n;
    });
    const double unGros = medianeNs(tours, [&] { lectureDeDemarrage(fichiers); });

    for (const FichierReglages f :
         {FichierReglages::TarifNormal, FichierReglages::TarifEcopli, FichierReglages::TarifCEE}) {
        QFile fichier(fichiers.chemin(f));
        fichier.open(QIODevice::ReadOnly);
        const QByteArray reel = fichier.readAll();
        fichier.close();
        fichier.open(QIODevice::WriteOnly | QIODevice::Truncate);
        fichier.write(gros(reel));
    }
    const double quatreGros = medianeNs(tours, [&] { lectureDeDemarrage(fichiers); });

    std::printf("Lectures d'un démarrage : %d clés\n", lectureDeDemarrage(fichiers));
    std::printf("PoidsElements.ini de %lld octets\n", QFile(poids).size());
    afficherRatio("Référence : lire les 50 Mo une fois", brut, brut);
    afficherRatio("Démarrage, fichiers ordinaires", normal, brut);
    afficherRatio("Démarrage, PoidsElements.ini de 50 Mo", unGros, brut);
    afficherRatio("Démarrage, les quatre fichiers de 50 Mo", quatreGros, brut);
    return 0;
}
