// Settings files no program of ours wrote: noise, huge files, huge lines,
// NUL bytes, foreign encodings and line ends, things that are not files at
// all. Reading shows what it can and never crashes or hangs; saving replaces
// only the keys it writes.

#include "outils.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A file's lines with their line ends (CRLF, LF or CR alone).
QList<QByteArrayView> lignes(QByteArrayView octets)
{
    QList<QByteArrayView> resultat;
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype i = debut;
        while (i < octets.size() && octets[i] != '\r' && octets[i] != '\n')
            ++i;
        if (i < octets.size())
            i += (octets[i] == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ? 2 : 1;
        resultat.append(octets.sliced(debut, i - debut));
        debut = i;
    }
    return resultat;
}

bool estCleEcrite(QByteArrayView ligne, const QStringList &cles)
{
    const qsizetype egal = ligne.indexOf('=');
    if (egal < 0)
        return false;
    const QString cle = QString::fromLatin1(ligne.first(egal)).trimmed();
    return cles.contains(cle, Qt::CaseInsensitive);
}

// Every line of the old file stands in the new one, in the same order and
// byte for byte, except lines holding one of the keys written (which a save
// may replace) and a line end that the last line may gain.
QString autresOctetsGardes(const QByteArray &avant, const QByteArray &apres, const QStringList &cles)
{
    const QList<QByteArrayView> a = lignes(avant);
    const QList<QByteArrayView> b = lignes(apres);
    qsizetype j = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (estCleEcrite(a[i], cles))
            continue;
        const bool derniere = i == a.size() - 1 && !a[i].endsWith('\n') && !a[i].endsWith('\r');
        while (j < b.size() && !(derniere ? b[j].startsWith(a[i]) : b[j] == a[i]))
            ++j;
        if (j == b.size())
            return QStringLiteral("ligne %1 perdue : %2").arg(i).arg(QString::fromLatin1(a[i].first(std::min<qsizetype>(a[i].size(), 60))));
        ++j;
    }
    return {};
}

QStringList clesEcrites()
{
    QStringList cles{MiseAJour::Cle, SymboleMonetaire::Cle, Tarifs::CleReserve};
    for (const auto &e : CatalogueElements::entrees())
        cles << e.cle;
    for (const ServiceExpedition s : TousLesServices) {
        for (const TrancheTarif &t : Tarifs::grille(s).Tranches)
            cles << t.Cle;
    }
    return cles;
}

QByteArray bruit(qsizetype taille, quint32 graine)
{
    QRandomGenerator hasard(graine);
    QByteArray octets(taille, Qt::Uninitialized);
    hasard.fillRange(reinterpret_cast<quint32 *>(octets.data()), taille / 4);
    return octets;
}

const QByteArray Marque = "\r\n[Date]\r\nMiseAJour=marque\r\n";

} // namespace

class TestFichiersHostiles : public QObject
{
    Q_OBJECT

private slots:
    void lectureEtEnregistrement_data();
    void lectureEtEnregistrement();
    void pasUnFichier_data();
    void pasUnFichier();
};

void TestFichiersHostiles::lectureEtEnregistrement_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<bool>("seulementLesPoids"); // too big to copy four times
    QTest::addColumn<QString>("tampon");         // what reading the stamp must give

    const QString marque = QStringLiteral("marque");
    QTest::newRow("bruit binaire") << bruit(64 * 1024, 1) << false << QString();
    QTest::newRow("bruit puis une section") << bruit(64 * 1024, 2) + Marque << false << marque;
    {
        // Lines of plausible keys in a section of their own, the real ones
        // at the very end: every read goes through the whole file.
        const QByteArray ligne = "Envellope999=valeur de bourrage quelconque\r\n";
        QByteArray gros = "[Bourrage]\r\n";
        gros += ligne.repeated(50 * 1024 * 1024 / ligne.size());
        gros += "[Env114]\r\nEnvellope114=3,2" + Marque;
        QTest::newRow("50 Mo") << gros << true << marque;
    }
    QTest::newRow("ligne de 1 Mo")
        << "[Date]\r\nMiseAJour=" + QByteArray(1024 * 1024, '9') + "\r\n" + QByteArray(1024 * 1024, ';')
               + "\r\n"
        << false << QString(254, u'9');
    QTest::newRow("ligne de 1 Mo sans fin") << QByteArray(1024 * 1024, '[') << false << QString();
    QTest::newRow("octets nuls")
        << QByteArray("\0\0[Perso]\0\r\nnote=\0\r\n\0", 21) + Marque + QByteArray(3, '\0') << false
        << marque;
    QTest::newRow("nul dans la valeur")
        << QByteArray("[Date]\r\nMiseAJour=mar\0que\r\n", 27) << false
        << QString::fromLatin1("mar\0que", 7);
    QTest::newRow("BOM UTF-8") << QByteArray("\xEF\xBB\xBF[Date]\r\nMiseAJour=marque\r\n") << false << marque;
    QTest::newRow("fins CR seules") << QByteArray("[Perso]\rnote=garder\r[Date]\rMiseAJour=marque\r")
                                    << false << marque;
    QTest::newRow("fins LF seules") << QByteArray("[Perso]\nnote=garder\n[Date]\nMiseAJour=marque")
                                    << false << marque;
    {
        const QString texte = QStringLiteral("[Date]\r\nMiseAJour=marque\r\n");
        QByteArray utf16("\xFF\xFE");
        utf16.append(reinterpret_cast<const char *>(texte.utf16()), texte.size() * 2);
        QTest::newRow("UTF-16") << utf16 << false << QString();
    }
    QTest::newRow("section jamais fermée") << "[Date\r\nMiseAJour=faux" + Marque << false << marque;
    QTest::newRow("10 000 sections vides") << QByteArray("[]\r\n[ ]\r\n").repeated(5000) + Marque
                                           << false << marque;
}

void TestFichiersHostiles::lectureEtEnregistrement()
{
    QFETCH(QByteArray, contenu);
    QFETCH(bool, seulementLesPoids);
    QFETCH(QString, tampon);

    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    const int nombre = seulementLesPoids ? 1 : 4;
    for (int i = 0; i < nombre; ++i)
        QVERIFY(ecrireOctets(fichiers.chemin(TousLesFichiers[i]), contenu));

    // What a start reads.
    const CatalogueElements::Poids poids = CatalogueElements::charger(fichiers);
    QCOMPARE(poids.miseAJour, tampon);
    for (const QString &v : poids.valeurs)
        QVERIFY(v.size() <= FormatIni::LongueurMaxValeur);
    for (const ServiceExpedition s : TousLesServices) {
        QString symbole;
        const GrilleTarif g = Tarifs::charger(s, fichiers, &symbole);
        QCOMPARE(g.MiseAJour, seulementLesPoids ? QString() : tampon);
    }

    // Saving replaces only what it writes, and gives it back.
    QVERIFY(Sauvegardes::enregistrerTout(fichiers, 1));
    for (int i = 0; i < nombre; ++i) {
        const QString erreur = autresOctetsGardes(
            contenu, lireOctets(fichiers.chemin(TousLesFichiers[i])), clesEcrites());
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    }
    QCOMPARE(CatalogueElements::charger(fichiers).valeurs, Sauvegardes::poids(1));
    QString symbole;
    const GrilleTarif cee = Tarifs::charger(ServiceExpedition::TarifCEE, fichiers);
    QCOMPARE(cee.ValeurReserve, Sauvegardes::grille(ServiceExpedition::TarifCEE, 1).ValeurReserve);
    QCOMPARE(Tarifs::charger(ServiceExpedition::TarifNormal, fichiers, &symbole).MiseAJour,
             Sauvegardes::tampon(1));
    QCOMPARE(symbole, Sauvegardes::symbole(1));
}

void TestFichiersHostiles::pasUnFichier_data()
{
    QTest::addColumn<QString>("genre");
    QTest::newRow("dossier") << "dossier";
    QTest::newRow("tube nommé") << "fifo";
    QTest::newRow("lien vers /dev/zero") << "zero";
}

void TestFichiersHostiles::pasUnFichier()
{
    QFETCH(QString, genre);

    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    for (const FichierIni f : TousLesFichiers) {
        const QString chemin = fichiers.chemin(f);
        if (genre == u"dossier")
            QVERIFY(QDir().mkdir(chemin));
        else if (genre == u"fifo")
            QCOMPARE(mkfifo(QFile::encodeName(chemin).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
    }

    // A tube with no writer would block an ordinary open; /dev/zero never ends.
    const CatalogueElements::Poids poids = CatalogueElements::charger(fichiers);
    QCOMPARE(poids.valeurs, QStringList(CatalogueElements::EntreesStockees, QString()));
    QString symbole = QStringLiteral("?");
    QCOMPARE(Tarifs::charger(ServiceExpedition::TarifNormal, fichiers, &symbole).MiseAJour, QString());
    QCOMPARE(symbole, QString());

    // Saving does not put a file in the place of what is there, and says so.
    const ResultatEcriture r = Sauvegardes::enregistrerTout(fichiers, 1);
    QVERIFY(!r.ok);
    QVERIFY2(r.raison.contains(QStringLiteral("PoidsElements.ini")), qPrintable(r.raison));
    for (const FichierIni f : TousLesFichiers) {
        struct stat etat{};
        QCOMPARE(lstat(QFile::encodeName(fichiers.chemin(f)).constData(), &etat), 0);
        if (genre == u"dossier")
            QVERIFY(S_ISDIR(etat.st_mode));
        else if (genre == u"fifo")
            QVERIFY(S_ISFIFO(etat.st_mode));
        else
            QVERIFY(S_ISLNK(etat.st_mode));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden
                                                   | QDir::NoDotAndDotDot)
                 .size(),
             4);
}

QTEST_GUILESS_MAIN(TestFichiersHostiles)
#include "tst_fichiershostiles.moc"
