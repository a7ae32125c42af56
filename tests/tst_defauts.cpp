#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The default settings files that the build and the installation lay beside
// the executable.
class TestDefauts : public QObject
{
    Q_OBJECT

private slots:
    void fichiersGeneresSelonLesTables();
    void fichierExistantJamaisRemplace();

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
        QString symbole;
        const GrilleTarif g = Tarifs::charger(service, fichiers, &symbole);
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
    QVERIFY(fichiers.EcrireTarifEcopli(QStringLiteral("TarificationEcopli"),
                                       QStringLiteral("TarifE20Gr"), QStringLiteral("0,99")));
    QFile f(fichiers.chemin(FichierIni::TarifEcopli));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray avant = f.readAll();
    f.close();

    QVERIFY(generer(dir.path()));
    QVERIFY(generer(dir.path()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), avant);
    QCOMPARE(fichiers.LireTarifNormal(u"Tarification", u"TarifN20Gr"), QStringLiteral("0,66"));
}

QTEST_GUILESS_MAIN(TestDefauts)
#include "tst_defauts.moc"
