// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#include "proprietestarifs.h"

#include "settings/defauts.h"
#include "settings/fichiertarifs.h"

#include <QFile>
#include <QTemporaryDir>

namespace Proprietes {

namespace {

constexpr FichierReglages FichiersDesTarifs[]
    = {FichierReglages::TarifNormal, FichierReglages::TarifEcopli, FichierReglages::TarifCEE};

} // namespace

QByteArrayList octets(const FichiersIni &fichiers)
{
    QByteArrayList resultat;
    for (const FichierReglages f : FichiersDesTarifs)
        resultat << fichiers.contenu(f);
    return resultat;
}

namespace {

QString allerRetour(const FichierTarifs::Lecture &lecture, const FichiersIni &fichiers)
{
    using namespace FichierTarifs;
    if (const QString echec = importer(lecture, fichiers).echec; !echec.isEmpty())
        return "import d'un fichier accepté en échec : " + echec;
    const Lecture relue = lire(exporter(fichiers), "export.csv");
    if (relue.services.size() != 3)
        return "export relu refusé : " + relue.refus;
    for (const ServiceLu &s : lecture.services) {
        for (const PrixLu &p : s.prix) {
            if (relue.services.at(int(s.service)).prix.at(p.tranche).prix != p.prix)
                return "prix " + p.prix + " relu autrement";
        }
    }
    const QByteArrayList avant = octets(fichiers);
    importer(relue, fichiers);
    return octets(fichiers) == avant ? QString() : "importer l'export écrit quelque chose";
}

} // namespace

QString verifierTarifs(QByteArrayView entree)
{
    // One folder with the defaults for the whole run; an accepted file's
    // writes are undone after it, so refused files, the most, touch no disk.
    static QTemporaryDir dossier;
    static const FichiersIni fichiers(dossier.path());
    static const QByteArrayList depart = [] {
        ecrireFichiersManquants(fichiers);
        return octets(fichiers);
    }();

    const FichierTarifs::Lecture lecture = FichierTarifs::lire(entree, "fuzz.csv");
    if (!lecture.refus.isEmpty())
        return FichierTarifs::importer(lecture, fichiers).echec == lecture.refus && octets(fichiers) == depart
            ? QString()
            : "fichier refusé qui écrit ou sans raison";
    const QString erreur = allerRetour(lecture, fichiers);
    for (const FichierReglages f : FichiersDesTarifs)
        QFile::remove(fichiers.chemin(f));
    ecrireFichiersManquants(fichiers);
    return erreur;
}

} // namespace Proprietes
