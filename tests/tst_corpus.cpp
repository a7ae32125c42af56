// Replays the fuzzers' properties on the saved corpus: the seeds and every
// input that once broke a property.

#include "fuzz/proprietes.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void fichiersIni_data() { lignes(QStringLiteral("fichiersini")); }
    void fichiersIni();
    void nombres_data() { lignes(QStringLiteral("nombres")); }
    void nombres();

private:
    static void lignes(const QString &dossier);
};

void TestCorpus::lignes(const QString &dossier)
{
    QTest::addColumn<QByteArray>("entree");
    const QDir dir(QStringLiteral(AMBRELOT_CORPUS) + u'/' + dossier);
    const QStringList noms = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY2(!noms.isEmpty(), qPrintable(dir.path()));
    for (const QString &nom : noms) {
        QFile f(dir.filePath(nom));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(nom)) << f.readAll();
    }
}

void TestCorpus::fichiersIni()
{
    QFETCH(QByteArray, entree);
    const QString erreur = Proprietes::verifierEcriture(Proprietes::decouper(entree));
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
}

void TestCorpus::nombres()
{
    QFETCH(QByteArray, entree);
    const QString erreur = Proprietes::verifierNombre(QString::fromUtf8(entree));
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
}

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
