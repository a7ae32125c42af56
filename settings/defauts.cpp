// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/defauts.h"

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QFile>

#include <algorithm>

ResultatEcriture ecrireFichiersManquants(const FichiersIni &fichiers, const QString &tampon,
                                         const QList<FichierTarifs::ServiceLu> &tarifs)
{
    const auto manque = [&](FichierReglages f) { return !QFile::exists(fichiers.chemin(f)); };
    QList<ResultatEcriture> resultats;
    if (manque(CatalogueElements::Fichier))
        resultats.append(CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts(), tampon));
    for (ServiceExpedition service : TousLesServices) {
        GrilleTarif grille = Tarifs::grille(service);
        if (!manque(grille.Fichier))
            continue;
        Tarifs::restaurerDefauts(grille);
        const auto lu = std::find_if(tarifs.cbegin(), tarifs.cend(),
                                     [service](const FichierTarifs::ServiceLu &s) { return s.service == service; });
        if (lu == tarifs.cend()) {
            resultats.append(Tarifs::enregistrer(grille, fichiers, tampon));
            continue;
        }
        for (const FichierTarifs::PrixLu &p : lu->prix)
            grille.Tranches[p.tranche].Prix = p.prix;
        resultats.append(
            Tarifs::enregistrer(grille, fichiers, FichierTarifs::tampon(*lu, QDateTime::currentDateTime())));
    }
    QStringList raisons;
    for (const ResultatEcriture &r : resultats) {
        if (!r)
            raisons.append(r.raison);
    }
    return raisons.isEmpty() ? ResultatEcriture() : ResultatEcriture::echec(raisons.join(u'\n'));
}
