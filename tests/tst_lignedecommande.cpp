// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, without a display: what each option prints, its exit
// code, and whether the settings files change.

#include "outils.h"

#include "commun/version.h"

#include "main_window/instanceunique.h"
#include "main_window/lignedecommande.h"
#include "settings/defauts.h"
#include "settings/fichiertarifs.h"

#include <QLockFile>
#include <QTextStream>

// Whether a window holds the lock, and whether the prices on disk change.
enum Instance { SansFenetre, FenetreOuverte };
enum Prix { Gardes, Changes };
struct Commande
{
    const char *nom;
    QStringList arguments;
    std::optional<int> code; // none: the window starts
    QString sortie = {}, erreurs = {};
    Prix prix = Gardes;
    Instance instance = SansFenetre;
};
Q_DECLARE_METATYPE(Commande)

class TestLigneDeCommande : public QObject
{
    Q_OBJECT

    // The account's runtime folder, where a running window keeps its lock.
    QTemporaryDir m_execution;

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_execution.path())); }

    void options_data()
    {
        const QString importe = "France Ecopli, jusqu'à 20 g : 0,59 → 1,52\n";
        cas<Commande>({
            {"sans option", {}, {}},
            {"option de Qt", {"-platform", "offscreen"}, {}},
            {"version", {"--version"}, 0, "Ambrelot " + texteVersion() + "\n", "", Gardes, FenetreOuverte},
            {"aide",
             {"-h"},
             0,
             "Utilisation : ambrelot [OPTION]\n"
             "Sans option, Ambrelot ouvre sa fenêtre de calcul d'affranchissement.\n\n"
             "Options :\n"
             "  -h, --help                 Affiche cette aide.\n"
             "  -v, --version              Affiche la version d'Ambrelot.\n"
             "  --importer-tarifs FICHIER  Vérifie un fichier de tarifs, affiche les prix qui changent et les "
             "enregistre.\n"
             "  --exporter-tarifs FICHIER  Écrit les tarifs des trois services dans un fichier.\n"},
            {"option inconnue",
             {"--importer-tarif", "bon.csv"},
             1,
             "",
             "ambrelot : option inconnue « --importer-tarif » ; « ambrelot --help » donne les options.\n"},
            {"fichier manquant",
             {"--exporter-tarifs"},
             1,
             "",
             "ambrelot : une option attend un FICHIER ; « ambrelot --help » donne les options.\n"},
            {"import", {"--importer-tarifs", "bon.csv"}, 0, importe, "", Changes},
            {"import, fenêtre ouverte",
             {"--importer-tarifs", "bon.csv"},
             0,
             importe + "Ambrelot est ouvert : il montrera les nouveaux prix à son prochain démarrage.\n",
             "",
             Changes,
             FenetreOuverte},
            {"import refusé",
             {"--importer-tarifs", "mauvais.csv"},
             1,
             "",
             "Le fichier « mauvais.csv » est refusé, ligne 2, colonne « Prix » : « abc » n'est pas un prix ; attendu "
             "un nombre à deux décimales au plus, avec une virgule ou un point, suivi ou non de « € », ou « >> ».\n"},
            {"import d'un fichier trop grand",
             {"--importer-tarifs", "gros.csv"},
             1,
             "",
             "Le fichier « gros.csv » est refusé : il dépasse 1 Mio ; attendu un fichier de tarifs de quelques "
             "lignes.\n"},
            {"import d'un absent",
             {"--importer-tarifs", "absent.csv"},
             1,
             "",
             "Le fichier « absent.csv » ne peut pas être lu.\n"},
            {"export", {"--exporter-tarifs", "sortie.csv"}, 0, "Tarifs exportés dans « sortie.csv ».\n"},
            {"export impossible",
             {"--exporter-tarifs", "absent/sortie.csv"},
             1,
             "",
             "Le fichier « sortie.csv » ne peut pas être écrit.\n"},
        });
    }
    void options()
    {
        QFETCH(Commande, c);
        QTemporaryDir dossier;
        const FichiersIni fichiers(dossier.path());
        ecrireFichiersManquants(fichiers);
        const QByteArray entete = "Service;Jusqu'à (g);Prix\r\nFrance Ecopli;20;",
                         avant = lireOctets(fichiers.chemin(FichierReglages::TarifEcopli));
        QVERIFY(QDir::setCurrent(dossier.path()) && ecrireOctets("bon.csv", entete + "1,52")
                && ecrireOctets("mauvais.csv", entete + "abc")
                && ecrireOctets("gros.csv", entete + "1,52" + QByteArray(FichierTarifs::TailleMaximale, '\n')));
        QLockFile verrou(InstanceUnique::cheminDuVerrou(dossier.path()));
        QVERIFY(c.instance == SansFenetre || verrou.tryLock(0));
        QString sortie, erreurs;
        QTextStream flotSortie(&sortie), flotErreurs(&erreurs);
        QCOMPARE(executerLigneDeCommande(QStringList("ambrelot") + c.arguments, fichiers, flotSortie, flotErreurs),
                 c.code);
        QCOMPARE(sortie, c.sortie);
        QCOMPARE(erreurs, c.erreurs);
        QCOMPARE(lireOctets(fichiers.chemin(FichierReglages::TarifEcopli)) != avant, c.prix == Changes);
        QCOMPARE(lireOctets("sortie.csv"), QFile::exists("sortie.csv") ? FichierTarifs::exporter(fichiers) : "");
    }
};

QTEST_GUILESS_MAIN(TestLigneDeCommande)
#include "tst_lignedecommande.moc"
