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

QByteArrayList octets(const FichiersIni &fichiers)
{
    QByteArrayList resultat;
    for (const FichierReglages f : FichiersDesTarifs) {
        QFile fichier(fichiers.chemin(f));
        resultat << (fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray());
    }
    return resultat;
}

QString allerRetour(const FichierTarifs::Lecture &lecture, const FichiersIni &fichiers)
{
    using namespace FichierTarifs;
    if (const QString echec = importer(lecture, fichiers).echec; !echec.isEmpty())
        return QStringLiteral("import d'un fichier accepté en échec : ") + echec;
    const Lecture relue = lire(exporter(fichiers), QStringLiteral("export.csv"));
    if (relue.services.size() != 3)
        return QStringLiteral("export relu refusé : ") + relue.refus;
    for (const ServiceLu &s : lecture.services) {
        for (const PrixLu &p : s.prix) {
            if (relue.services.at(int(s.service)).prix.at(p.tranche).prix != p.prix)
                return QStringLiteral("prix %1 relu autrement").arg(p.prix);
        }
    }
    const QByteArrayList avant = octets(fichiers);
    importer(relue, fichiers);
    return octets(fichiers) == avant ? QString() : QStringLiteral("importer l'export écrit quelque chose");
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

    const FichierTarifs::Lecture lecture = FichierTarifs::lire(entree, QStringLiteral("fuzz.csv"));
    if (!lecture.refus.isEmpty()) {
        const bool muet = FichierTarifs::importer(lecture, fichiers).echec == lecture.refus;
        return muet && octets(fichiers) == depart ? QString()
                                                  : QStringLiteral("fichier refusé qui écrit ou sans raison");
    }
    const QString erreur = allerRetour(lecture, fichiers);
    for (qsizetype i = 0; i < depart.size(); ++i) {
        QFile fichier(fichiers.chemin(FichiersDesTarifs[i]));
        if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) || fichier.write(depart[i]) != depart[i].size())
            return QStringLiteral("réglages de départ non rétablis");
    }
    return erreur;
}

} // namespace Proprietes
