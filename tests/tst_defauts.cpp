// The default settings files that the build and the installation lay beside
// the executable, and the program as a new user first meets it over them.

#undef QT_NO_CAST_FROM_ASCII

#include "outils.h"

#include "main_window/form1.h"

#include <QLabel>
#include <QProcess>
#include <QRadioButton>

class TestDefauts : public QObject
{
    Q_OBJECT

private slots:
    void fichiersGeneresSelonLesTables();
    void fichierExistantJamaisRemplace();
    void prixDesLaPremiereSaisie_data();
    void prixDesLaPremiereSaisie();

private:
    static bool generer(const QString &dossier)
    {
        return QProcess::execute(QStringLiteral(AMBRELOT_OUTIL_DEFAUTS), {dossier}) == 0;
    }
};

void TestDefauts::fichiersGeneresSelonLesTables()
{
    QTemporaryDir dir;
    QVERIFY(generer(dir.path()));
    const FichiersIni fichiers(dir.path());

    const CatalogueElements::Poids poids = CatalogueElements::charger(fichiers);
    QCOMPARE(poids.valeurs, CatalogueElements::defauts());
    QVERIFY(!poids.miseAJour.isEmpty());
    for (ServiceExpedition service : TousLesServices) {
        const GrilleTarif g = Tarifs::charger(service, fichiers);
        for (const TrancheTarif &t : g.Tranches)
            QCOMPARE(t.Prix, t.PrixDefaut);
        QCOMPARE(g.ValeurReserve, QString());
        QVERIFY(!g.MiseAJour.isEmpty());
    }
    QCOMPARE(SymboleMonetaire::lire(fichiers), QStringLiteral("€"));
}

void TestDefauts::fichierExistantJamaisRemplace()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QVERIFY(fichiers.EcrireTarifEcopli("TarificationEcopli", "TarifE20Gr", "0,99"));
    const QByteArray avant = lireOctets(fichiers.chemin(FichierIni::TarifEcopli));
    QVERIFY(generer(dir.path()));
    QVERIFY(generer(dir.path()));
    QCOMPARE(lireOctets(fichiers.chemin(FichierIni::TarifEcopli)), avant);
    QCOMPARE(fichiers.LireTarifNormal(u"Tarification", u"TarifN20Gr"), QStringLiteral("0,66"));
}

void TestDefauts::prixDesLaPremiereSaisie_data()
{
    QTest::addColumn<QString>("caseCompte");
    QTest::addColumn<QString>("compte");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("poids");
    QTest::addColumn<QString>("prix");

    QTest::newRow("3 enveloppes 114 x 162, France Rapide")
        << "Text1" << "3" << "Option1" << "9,6" << "0,66 €";
    QTest::newRow("12 feuilles A4, UE") << "Text14" << "12" << "Option3" << "60" << "1,85 €";
    QTest::newRow("3 CD en boîte plastique, au-delà de l'Ecopli")
        << "Text23" << "3" << "Option2" << "276,3" << ">>";
}

void TestDefauts::prixDesLaPremiereSaisie()
{
    QFETCH(QString, caseCompte);
    QFETCH(QString, compte);
    QFETCH(QString, option);
    QFETCH(QString, poids);
    QFETCH(QString, prix);

    QTemporaryDir dossier;
    QVERIFY(generer(dossier.path()));
    const Bips bips;
    Form1 form1{FichiersIni(dossier.path())};
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));

    QTest::mouseClick(form1.findChild<QRadioButton *>(option), Qt::LeftButton);
    auto *boite = form1.findChild<QLineEdit *>(caseCompte);
    boite->setFocus();
    QTest::keyClicks(boite, compte);
    QCOMPARE(form1.findChild<QLabel *>("Label3")->text(), poids);
    QCOMPARE(form1.findChild<QLabel *>("Label5")->text(), prix);
}

QTEST_MAIN(TestDefauts)
#include "tst_defauts.moc"
