#include "settings/defauts.h"

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QFile>

QList<ResultatEcriture> ecrireFichiersManquants(const FichiersIni &fichiers)
{
    const auto manque = [&](FichierReglages f) { return !QFile::exists(fichiers.chemin(f)); };
    QList<ResultatEcriture> resultats;
    if (manque(FichierReglages::PoidsElements))
        resultats.append(CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts()));
    for (ServiceExpedition service : TousLesServices) {
        GrilleTarif grille = Tarifs::grille(service);
        if (!manque(grille.Fichier))
            continue;
        Tarifs::restaurerDefauts(grille);
        resultats.append(Tarifs::enregistrer(grille, fichiers));
    }
    return resultats;
}
