// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Price files: what the reader takes and what it refuses, the stamp and the
// warning of an import, the round trip through the settings files, and the
// inputs fuzzing kept.

#include "fuzz/proprietestarifs.h"
#include "outils.h"
#include "settings/defauts.h"
#include "settings/fichiertarifs.h"

#include <QTemporaryDir>

using namespace FichierTarifs;

// A file read: its prices, or why the whole of it is refused.
struct Lu
{
    const char *nom;
    QByteArray fichier;
    QString prix;
    QString refus = {};
};
Q_DECLARE_METATYPE(Lu)

namespace {

const QByteArray Entete = "Service;Jusqu'à (g);Prix\r\n";
const QString PasUnPrix = " n'est pas un prix ; attendu un nombre à deux décimales au plus, avec une virgule ou un "
                          "point, suivi ou non de « € », ou « >> ».";
const QByteArray Livre = lireOctets(QStringLiteral(AMBRELOT_TARIFS "/2026.csv"));

} // namespace

class TestFichierTarifs : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data()
    {
        cas<Lu>({
            {"livré : BOM, CRLF, trois services", Livre,
             "3,47 4,57 4,57 5,78 8,10 10,35 12,01 >> 1,52 3,10 3,10 5,24 2,25 4,85 4,85 11,65 16,60 31,70 31,70"},
            {"point et symbole", Entete + "France Rapide;20;3.47 €", "3,47"},
            {"virgule, LF, ligne vide", "Service;Jusqu'à (g);Prix\n\nFrance Ecopli;50;3,1\n", "3,10"},
            {"entier, zéros, espace insécable", Entete + "France Ecopli;50;007\u00a0€", "7,00"},
            {"pas offert", Entete + "France Rapide;3000;>>", ">>"},
            {"Windows-1252", cp1252("Service;Jusqu'à (g);Prix\r\nFrance Rapide;20;3,47 €\r\n"), "3,47"},
            {"virgule et guillemets", "Service,Jusqu'à (g),Prix\r\nFrance Rapide,20,\"3,47\"", "3,47"},
            {"tabulation", "Service\tJusqu'à (g)\tPrix\nFrance Rapide\t20\t3,47", "3,47"},
            {"désordre, casse, apostrophe courbe",
             "PRIX;en vigueur le;JUSQU’À (G);service;Produit\r\n2,25;01/01/2026;20;vers ue (zone 1);Lettre", "2,25"},
            {"nom du bouton", Entete + "Expédition vers UE ( Zone1);20;2,25", "2,25"},
            {"colonnes sans nom vides", "Service;Jusqu'à (g);Prix;;\r\nFrance Rapide;20;3,47;;\r\n;;;;\r\n", "3,47"},
            {"colonne manquante", "Service;Prix\r\nFrance Rapide;3,47", "",
             ", ligne 1, colonne « Jusqu'à (g) » : elle manque ; attendu les colonnes « Service », « Jusqu'à (g) » et "
             "« Prix »."},
            {"colonne inconnue", "Service;Jusqu'à (g);Prix TTC", "",
             ", ligne 1, colonne 3 : « Prix TTC » n'est pas une colonne connue ; attendu chaque colonne une fois parmi "
             "« Service », « Jusqu'à (g) », « Prix », « Produit » et « En vigueur le »."},
            {"colonne en double", "Service;Prix;Jusqu'à (g);prix", "",
             ", ligne 1, colonne 4 : « prix » vient deux fois ; attendu chaque colonne une fois parmi « Service », « "
             "Jusqu'à (g) », « Prix », « Produit » et « En vigueur le »."},
            {"en-tête seul", Entete, "", ", ligne 2 : aucun prix ; attendu une ligne par tranche sous l'en-tête."},
            {"service inconnu, guillemets doublés", Entete + "\"France \"\"Lente\"\"\";20;1", "",
             ", ligne 2, colonne « Service » : « France \"Lente\" » n'est pas un service ; attendu « France Rapide », "
             "« France Ecopli » ou « Vers UE (Zone 1) »."},
            {"tranche inconnue", Entete + "France Ecopli;500;1", "",
             ", ligne 2, colonne « Jusqu'à (g) » : « 500 » n'est pas une tranche de France Ecopli ; attendu 20, 50, "
             "100 ou 250."},
            {"tranche en double", Entete + "France Ecopli;20;1\r\nFrance Rapide;20;1\r\nFrance Ecopli;020;2", "",
             ", ligne 4, colonne « Jusqu'à (g) » : la tranche de 20 g de France Ecopli est déjà à la ligne 2 ; attendu "
             "chaque tranche une fois."},
            {"1,2,3", Entete + "France Rapide;20;\"1,2,3\"", "", ", ligne 2, colonne « Prix » : « 1,2,3 »" + PasUnPrix},
            {"-5", Entete + "France Rapide;20;\"-5\"", "", ", ligne 2, colonne « Prix » : « -5 »" + PasUnPrix},
            {"abc", Entete + "France Rapide;20;\"abc\"", "", ", ligne 2, colonne « Prix » : « abc »" + PasUnPrix},
            {"3,475", Entete + "France Rapide;20;\"3,475\"", "", ", ligne 2, colonne « Prix » : « 3,475 »" + PasUnPrix},
            {"€ 3", Entete + "France Rapide;20;\"€ 3\"", "", ", ligne 2, colonne « Prix » : « € 3 »" + PasUnPrix},
            {"date impossible", "Service;Jusqu'à (g);Prix;En vigueur le\r\nFrance Rapide;20;1;31/02/2026", "",
             ", ligne 2, colonne « En vigueur le » : « 31/02/2026 » n'est pas une date ; attendu une date comme "
             "01/01/2026."},
            {"produit qui change", "Service;Jusqu'à (g);Prix;Produit\r\nFrance Rapide;20;1;A\r\nFrance Rapide;50;1;B",
             "",
             ", ligne 3, colonne « Produit » : « B » diffère de la ligne 2 ; attendu le même produit et la même date "
             "sur toutes les lignes de France Rapide."},
            {"case sans colonne", Entete + "France Rapide;20;1;x", "",
             ", ligne 2, colonne 4 : « x » est dans une colonne sans nom ; attendu une case vide."},
            {"guillemet non fermé", Entete + "France Rapide;20;\"1\r\n", "",
             ", ligne 2, colonne 3 : un guillemet ouvre un champ sans le fermer ; attendu un guillemet fermant."},
            {"texte après le guillemet", Entete + "France Rapide;\"20\"g;1", "",
             ", ligne 2, colonne 2 : du texte suit le guillemet fermant ; attendu le séparateur ou la fin de la "
             "ligne."},
            {"pas du texte", Entete + QByteArray("France\0", 7), "",
             ", ligne 2, colonne 7 : le caractère U+0000 ; attendu du texte en UTF-8 ou en Windows-1252."},
            {"plus de 1 Mio", QByteArray(TailleMaximale + 1, ' '), "",
             " : il dépasse 1 Mio ; attendu un fichier de tarifs de quelques lignes."},
        });
    }
    void lecture()
    {
        QFETCH(Lu, c);
        const Lecture lu = lire(c.fichier, "t.csv");
        QStringList prix;
        for (const ServiceLu &s : lu.services) {
            for (const PrixLu &p : s.prix)
                prix << p.prix;
        }
        QCOMPARE(prix.join(' '), c.prix);
        QCOMPARE(lu.refus, c.refus.isEmpty() ? "" : "Le fichier « t.csv » est refusé" + c.refus);
    }

    // The warning of prices still to come, on 5 December 2026, beside a
    // service whose prices come in 2028. The stamp an import writes, the
    // round trip shows.
    void avertissement_data()
    {
        QTest::addColumn<QDate>("enVigueur");
        QTest::addColumn<QString>("jour");
        QTest::newRow("sans date") << QDate() << "1er janvier 2028";
        QTest::newRow("aujourd'hui") << QDate(2026, 12, 5) << "1er janvier 2028";
        QTest::newRow("le 2 mars") << QDate(2027, 3, 2) << "2 mars 2027";
    }
    void avertissement()
    {
        QFETCH(QDate, enVigueur);
        QFETCH(QString, jour);
        QCOMPARE(FichierTarifs::avertissement({{ServiceExpedition::TarifEcopli, {}, enVigueur, {}},
                                               {ServiceExpedition::TarifCEE, {}, QDate(2028, 1, 1), {}}},
                                              QDate(2026, 12, 5)),
                 "Ces prix entrent en vigueur le " + jour + '.');
    }

    // Into the defaults, the shipped file brings its prices and its day (that
    // they export back as it is, the installation test shows); a file naming one bracket
    // of one service changes that bracket and that file alone; a save that
    // fails says why. That an export imports back unchanged, the corpus shows.
    void allerRetour()
    {
        QTemporaryDir dossier;
        const FichiersIni fichiers(dossier.path());
        ecrireFichiersManquants(fichiers);
        QCOMPARE(importer(lire(Livre, "2026.csv"), fichiers).changements.size(), 19);
        QCOMPARE(Tarifs::miseAJour(ServiceExpedition::TarifCEE, fichiers), "01/01/2026 à 00:00");
        QCOMPARE(SymboleMonetaire::lire(fichiers), "€");

        QByteArrayList avant = Proprietes::octets(fichiers);
        QCOMPARE(importer(lire(Entete + "France Ecopli;50;9", "t.csv"), fichiers,
                          QDateTime(QDate(2026, 12, 5), QTime(10, 45)))
                     .changements.size(),
                 1);
        const GrilleTarif ecopli = Tarifs::charger(ServiceExpedition::TarifEcopli, fichiers);
        QCOMPARE(ecopli.Tranches[0].Prix + ecopli.Tranches[1].Prix + ecopli.MiseAJour, "1,529,0005/12/2026 à 10:45");
        avant[1] = Proprietes::octets(fichiers)[1];
        QCOMPARE(Proprietes::octets(fichiers), avant);

        QVERIFY(QFile::remove(fichiers.chemin(FichierReglages::TarifNormal))
                && QDir().mkdir(fichiers.chemin(FichierReglages::TarifNormal)));
        QVERIFY(importer(lire(Livre, "2026.csv"), fichiers).echec.endsWith("un dossier porte le nom du fichier."));
    }

    void corpus_data()
    {
        QTest::addColumn<QByteArray>("entree");
        const QDir dir(QStringLiteral(AMBRELOT_CORPUS));
        for (const QString &nom : dir.entryList(QDir::Files))
            QTest::newRow(qPrintable(nom)) << lireOctets(dir.filePath(nom));
    }
    void corpus()
    {
        QFETCH(QByteArray, entree);
        QCOMPARE(Proprietes::verifierTarifs(entree), QString());
    }
};

QTEST_GUILESS_MAIN(TestFichierTarifs)
#include "tst_fichiertarifs.moc"
