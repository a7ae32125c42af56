#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray lireOctets(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString Tampon = QStringLiteral("05/12/2026 à 10:38");

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void tampon_data();
    void tampon();
    void premierEnregistrementDesPoids();
    void premierEnregistrementDesGrilles_data();
    void premierEnregistrementDesGrilles();
    void chargementSansFichier();
    void chargementFichierEditeALaMain();
    void enregistrementGardeLeReste();
    void enregistrementRefuseNeChangeRien();
};

void TestTables::tampon_data()
{
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("matin") << QDateTime(QDate(2026, 12, 5), QTime(10, 38, 59)) << Tampon;
    QTest::newRow("minuit") << QDateTime(QDate(2027, 1, 1), QTime(0, 0)) << "01/01/2027 à 00:00";
    QTest::newRow("soir") << QDateTime(QDate(2026, 7, 14), QTime(23, 59, 59))
                          << "14/07/2026 à 23:59";
}

void TestTables::tampon()
{
    QFETCH(QDateTime, instant);
    QFETCH(QString, attendu);
    QCOMPARE(MiseAJour::texte(instant), attendu);
}

void TestTables::premierEnregistrementDesPoids()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QVERIFY(CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts(), Tampon));
    const QByteArray attendu =
        "[Env114]\r\nEnvellope114=3,2\r\n[Env110]\r\nEnvellope110=4,5\r\n"
        "[Env162]\r\nEnvellope162=7,5\r\n[Env229]\r\nEnvellope229=14,6\r\n"
        "[Env130]\r\nEnvellope130=8,5\r\n[Env145]\r\nEnvellope145=12,5\r\n"
        "[Env160]\r\nEnvellope160=15\r\n[Env170]\r\nEnvellope170=16\r\n"
        "[Env200]\r\nEnvellope200=20,4\r\n[Env250]\r\nEnvellope250=22\r\n"
        "[Env240]\r\nEnvellope240=25\r\n[Env260]\r\nEnvellope260=29,3\r\n"
        "[Env280]\r\nEnvellope280=37,5\r\n"
        "[Feuille]\r\nA4=5\r\nA3=10\r\nCourrier=2,5\r\n[RembSecSoc]\r\nRSS=4,4\r\n"
        "[DecImp]\r\nDI=9\r\n[Disquete]\r\n3P=19\r\n5P=15,7\r\n"
        "[CDROMS]\r\nCDRomNue=15\r\nEtuiCarton=22,2\r\nBoitierPlastique=92,1\r\n"
        "[Photo]\r\n100MM=3,6\r\n130MM=6\r\n[Date]\r\nMiseAJour=05/12/2026 \xe0 10:38\r\n";
    QCOMPARE(lireOctets(fichiers.chemin(FichierIni::PoidsElements)), attendu);

    const CatalogueElements::Poids relu = CatalogueElements::charger(fichiers);
    QCOMPARE(relu.valeurs, CatalogueElements::defauts());
    QCOMPARE(relu.miseAJour, Tampon);
}

void TestTables::premierEnregistrementDesGrilles_data()
{
    QTest::addColumn<ServiceExpedition>("service");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("France Rapide")
        << ServiceExpedition::TarifNormal
        << QByteArray("[Tarification]\r\nTarifN20Gr=0,66\r\nTarifN50Gr=1,10\r\nTarifN100Gr=1,65\r\n"
                      "TarifN250Gr=2,65\r\nTarifN500Gr=3,55\r\nTarifN1000Gr=4,65\r\n"
                      "TarifN2000Gr=6,00\r\nTarifN3000Gr=7,00\r\n"
                      "[Symbole Mon\xe9taire]\r\nSymbole Mon\xe9taire Employ\xe9=\x80\r\n"
                      "[Date]\r\nMiseAJour=05/12/2026 \xe0 10:38\r\n");
    QTest::newRow("Ecopli")
        << ServiceExpedition::TarifEcopli
        << QByteArray("[TarificationEcopli]\r\nTarifE20Gr=0,59\r\nTarifE50Gr=0,87\r\n"
                      "TarifE100Gr=1,20\r\nTarifE250Gr=2,10\r\n"
                      "[Date]\r\nMiseAJour=05/12/2026 \xe0 10:38\r\n");
    QTest::newRow("UE")
        << ServiceExpedition::TarifCEE
        << QByteArray("[Tarification]\r\nTarifCEE20Gr=0,83\r\nTarifCEE50Gr=1,38\r\n"
                      "TarifCEE100Gr=1,85\r\nTarifCEE250Gr=4,15\r\nTarifCEE500Gr=6,15\r\n"
                      "TarifCEE1000Gr=8,80\r\nTarifCEE1500Gr=12,65\r\nTarifCEE2000Gr=\r\n"
                      "[Date]\r\nMiseAJour=05/12/2026 \xe0 10:38\r\n");
}

void TestTables::premierEnregistrementDesGrilles()
{
    QFETCH(ServiceExpedition, service);
    QFETCH(QByteArray, attendu);

    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    GrilleTarif grille = Tarifs::grille(service);
    Tarifs::restaurerDefauts(grille);
    const QString symbole = SymboleMonetaire::Defaut;
    QVERIFY(Tarifs::enregistrer(grille, fichiers, &symbole, Tampon));
    QCOMPARE(lireOctets(fichiers.chemin(grille.Fichier)), attendu);

    QString relu;
    const GrilleTarif chargee = Tarifs::charger(service, fichiers, &relu);
    for (int i = 0; i < grille.Tranches.size(); ++i)
        QCOMPARE(chargee.Tranches.at(i).Prix, grille.Tranches.at(i).PrixDefaut);
    QCOMPARE(chargee.MiseAJour, Tampon);
    // Only the France Rapide file holds the symbol.
    QCOMPARE(relu, service == ServiceExpedition::TarifNormal ? symbole : QString());
}

void TestTables::chargementSansFichier()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    const CatalogueElements::Poids poids = CatalogueElements::charger(fichiers);
    QCOMPARE(poids.valeurs, QStringList(CatalogueElements::EntreesStockees, QString()));
    QCOMPARE(poids.miseAJour, QString());
    for (ServiceExpedition service : TousLesServices) {
        QString symbole = QStringLiteral("?");
        const GrilleTarif g = Tarifs::charger(service, fichiers, &symbole);
        for (const TrancheTarif &t : g.Tranches)
            QCOMPARE(t.Prix, QString());
        QCOMPARE(g.MiseAJour, QString());
        QCOMPARE(g.ValeurReserve, QString());
    }
    QCOMPARE(SymboleMonetaire::lire(fichiers), QString());
}

void TestTables::chargementFichierEditeALaMain()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QFile f(fichiers.chemin(FichierIni::PoidsElements));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("; fait main\n[ENV114]\nenvellope114 = \"3.2\"\n[Feuille]\nA3=1,2,3\n");
    f.close();
    const CatalogueElements::Poids poids = CatalogueElements::charger(fichiers);
    QCOMPARE(poids.valeurs.at(0), QStringLiteral("3.2"));
    QCOMPARE(poids.valeurs.at(14), QStringLiteral("1,2,3"));
    QCOMPARE(poids.valeurs.at(13), QString());
}

void TestTables::enregistrementGardeLeReste()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QFile f(fichiers.chemin(FichierIni::TarifCEE));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("; tarifs UE\r\n[Tarification]\r\nTarifCEE2000Gr=15,00\r\nAutre=1\r\n\r\n[Perso]\r\nx=y\r\n");
    f.close();

    GrilleTarif g = Tarifs::charger(ServiceExpedition::TarifCEE, fichiers);
    QCOMPARE(g.ValeurReserve, QStringLiteral("15,00"));
    Tarifs::restaurerDefauts(g);
    QCOMPARE(g.ValeurReserve, QStringLiteral("15,00"));
    QVERIFY(Tarifs::enregistrer(g, fichiers, nullptr, Tampon));
    QCOMPARE(lireOctets(fichiers.chemin(FichierIni::TarifCEE)),
             QByteArray("; tarifs UE\r\n[Tarification]\r\nTarifCEE2000Gr=15,00\r\nAutre=1\r\n"
                        "TarifCEE20Gr=0,83\r\nTarifCEE50Gr=1,38\r\nTarifCEE100Gr=1,85\r\n"
                        "TarifCEE250Gr=4,15\r\nTarifCEE500Gr=6,15\r\nTarifCEE1000Gr=8,80\r\n"
                        "TarifCEE1500Gr=12,65\r\n\r\n[Perso]\r\nx=y\r\n"
                        "[Date]\r\nMiseAJour=05/12/2026 \xe0 10:38\r\n"));
    // The EU save never writes the symbol, and no other file is touched.
    QVERIFY(!QFile::exists(fichiers.chemin(FichierIni::TarifNormal)));
}

void TestTables::enregistrementRefuseNeChangeRien()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    GrilleTarif g = Tarifs::grille(ServiceExpedition::TarifNormal);
    Tarifs::restaurerDefauts(g);
    const QString euro = SymboleMonetaire::Defaut;
    QVERIFY(Tarifs::enregistrer(g, fichiers, &euro, Tampon));
    const QByteArray avant = lireOctets(fichiers.chemin(FichierIni::TarifNormal));

    g.Tranches[0].Prix = QStringLiteral("9,99");
    const QString roupie = QStringLiteral("₹");
    const ResultatEcriture r = Tarifs::enregistrer(g, fichiers, &roupie, QStringLiteral("x"));
    QVERIFY(!r.ok);
    QVERIFY2(r.raison.contains(roupie), qPrintable(r.raison));
    QCOMPARE(lireOctets(fichiers.chemin(FichierIni::TarifNormal)), avant);
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
