#include "settings/defauts.h"

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QFile>

QList<ResultatEcriture> ecrireFichiersManquants(const FichiersIni &fichiers)
{
    // A stamp says when the user last saved, and nobody has: the shipped
    // files keep the key, empty. Keeping it puts the sections in the order a
    // save writes them, so the first save only fills values in, and a user's
    // copy differs from the shipped file by what the user changed alone.
    const QString jamaisEnregistre;
    const auto manque = [&](FichierReglages f) { return !QFile::exists(fichiers.chemin(f)); };
    QList<ResultatEcriture> resultats;
    if (manque(FichierReglages::PoidsElements))
        resultats.append(CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts(), jamaisEnregistre));
    for (ServiceExpedition service : TousLesServices) {
        GrilleTarif grille = Tarifs::grille(service);
        if (!manque(grille.Fichier))
            continue;
        Tarifs::restaurerDefauts(grille);
        resultats.append(Tarifs::enregistrer(grille, fichiers, jamaisEnregistre));
    }
    return resultats;
}
