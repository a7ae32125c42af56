// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/defauts.h"

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QFile>

ResultatEcriture ecrireFichiersManquants(const FichiersIni &fichiers, const QString &tampon)
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
        resultats.append(Tarifs::enregistrer(grille, fichiers, tampon));
    }
    QStringList raisons;
    for (const ResultatEcriture &r : resultats) {
        if (!r)
            raisons.append(r.raison);
    }
    return raisons.isEmpty() ? ResultatEcriture() : ResultatEcriture::echec(raisons.join(u'\n'));
}
