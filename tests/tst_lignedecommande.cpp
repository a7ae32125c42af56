// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, without a display: what each option prints, its exit
// code, and whether the settings files change.

#include "main_window/instanceunique.h"
#include "main_window/lignedecommande.h"
#include "settings/defauts.h"
#include "settings/fichiertarifs.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

QByteArray lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestLigneDeCommande : public QObject
{
    Q_OBJECT

    // The account's runtime folder, where a running window keeps its lock.
    QTemporaryDir m_execution;

private slots:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_execution.path())); }

    // -1: the window starts.
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fenetreOuverte");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("erreurs");
        QTest::addColumn<bool>("ecrit");
        const QString importe = "France Ecopli, jusqu'à 20 g : 0,59 → 1,52\n";
        QTest::newRow("sans option") << QStringList() << false << -1 << ""
                                     << "" << false;
        QTest::newRow("option de Qt") << QStringList{"-platform", "offscreen"} << false << -1 << ""
                                      << "" << false;
        QTest::newRow("version") << QStringList{"--version"} << true << 0 << "Ambrelot 3.0.0\n"
                                 << "" << false;
        QTest::newRow("aide") << QStringList{"-h"} << false << 0
                              << "Utilisation : ambrelot [OPTION]\n"
                                 "Sans option, Ambrelot ouvre sa fenêtre de calcul d'affranchissement.\n\n"
                                 "Options :\n"
                                 "  -h, --help                 Affiche cette aide.\n"
                                 "  -v, --version              Affiche la version d'Ambrelot.\n"
                                 "  --importer-tarifs FICHIER  Vérifie un fichier de tarifs, affiche les prix qui "
                                 "changent et les enregistre.\n"
                                 "  --exporter-tarifs FICHIER  Écrit les tarifs des trois services dans un fichier.\n"
                              << "" << false;
        QTest::newRow("option inconnue") << QStringList{"--importer-tarif", "bon.csv"} << false << 1 << ""
                                         << "ambrelot : option inconnue « --importer-tarif » ; « ambrelot --help » "
                                            "donne les options.\n"
                                         << false;
        QTest::newRow("fichier manquant") << QStringList{"--exporter-tarifs"} << false << 1 << ""
                                          << "ambrelot : une option attend un FICHIER ; « ambrelot --help » donne les "
                                             "options.\n"
                                          << false;
        QTest::newRow("import") << QStringList{"--importer-tarifs", "bon.csv"} << false << 0 << importe << "" << true;
        QTest::newRow("import, fenêtre ouverte")
            << QStringList{"--importer-tarifs", "bon.csv"} << true << 0
            << importe + "Ambrelot est ouvert : il montrera les nouveaux prix à son prochain démarrage.\n"
            << "" << true;
        QTest::newRow("import refusé") << QStringList{"--importer-tarifs", "mauvais.csv"} << false << 1 << ""
                                       << "Le fichier « mauvais.csv » est refusé, ligne 2, colonne « Prix » : « abc » "
                                          "n'est pas un prix ; attendu un nombre à deux décimales au plus, avec une "
                                          "virgule ou un point, suivi ou non de « € », ou « >> ».\n"
                                       << false;
        QTest::newRow("import d'un absent") << QStringList{"--importer-tarifs", "absent.csv"} << false << 1 << ""
                                            << "Le fichier « absent.csv » ne peut pas être lu.\n"
                                            << false;
        QTest::newRow("export") << QStringList{"--exporter-tarifs", "sortie.csv"} << false << 0
                                << "Tarifs exportés dans « sortie.csv ».\n"
                                << "" << false;
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fenetreOuverte);
        QFETCH(int, code);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        QFETCH(bool, ecrit);
        QTemporaryDir dossier;
        const FichiersIni fichiers(dossier.path());
        ecrireFichiersManquants(fichiers);
        QVERIFY(QDir::setCurrent(dossier.path()));
        for (const auto &[nom, prix] : {std::pair("bon.csv", "1,52"), std::pair("mauvais.csv", "abc")}) {
            QFile f(nom);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("Service;Jusqu'à (g);Prix\r\nFrance Ecopli;20;") + prix);
        }
        QLockFile verrou(InstanceUnique::cheminDuVerrou(dossier.path()));
        QVERIFY(!fenetreOuverte || verrou.tryLock(0));
        const QByteArray avant = lire(fichiers.chemin(FichierReglages::TarifEcopli));

        QString sorti, erreur;
        QTextStream flotSortie(&sorti), flotErreurs(&erreur);
        QCOMPARE(executerLigneDeCommande(QStringList("ambrelot") + arguments, fichiers, flotSortie, flotErreurs)
                     .value_or(-1),
                 code);
        QCOMPARE(sorti, sortie);
        QCOMPARE(erreur, erreurs);
        QCOMPARE(lire(fichiers.chemin(FichierReglages::TarifEcopli)) != avant, ecrit);
        if (QFile::exists("sortie.csv"))
            QCOMPARE(lire("sortie.csv"), FichierTarifs::exporter(fichiers));
    }
};

QTEST_GUILESS_MAIN(TestLigneDeCommande)
#include "tst_lignedecommande.moc"
