// Writes the four settings files with the built-in defaults into a directory,
// leaving alone any file that is already there: a user's settings are never
// overwritten by a rebuild or a reinstall.

#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QCoreApplication>
#include <QFile>
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
    const auto manque = [&](FichierIni f) { return !QFile::exists(fichiers.chemin(f)); };

    QList<ResultatEcriture> resultats;
    if (manque(FichierIni::PoidsElements))
        resultats.append(CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts()));
    for (ServiceExpedition service : TousLesServices) {
        GrilleTarif grille = Tarifs::grille(service);
        if (!manque(grille.Fichier))
            continue;
        Tarifs::restaurerDefauts(grille);
        resultats.append(Tarifs::enregistrer(grille, fichiers, &SymboleMonetaire::Defaut));
    }

    int code = 0;
    for (const ResultatEcriture &r : resultats) {
        if (!r.ok) {
            erreurs << r.raison << '\n';
            code = 1;
        }
    }
    return code;
}
