// Faults injected while saving: a file-size limit, a directory in the file's
// place, a full file system and a process killed at random moments. None may
// lose the file that was there or pass for a success.

#include "outils.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

// A file as a user might have left it: a comment, a foreign section, blank
// lines, LF line ends here and there. All of it must outlive every save.
QByteArray fichierDeDepart()
{
    return "; mes r\xe9glages\r\n[Perso]\nnote=garder\n\r\n[Date]\r\nMiseAJour=hier\r\n\r\n";
}

using Sauvegardes::enregistrer;

QStringList autresQueLesReglages(const QString &dossier)
{
    QStringList noms = QDir(dossier).entryList(QDir::AllEntries | QDir::System | QDir::Hidden
                                                | QDir::NoDotAndDotDot);
    for (const char *n : {"PoidsElements.ini", "TarifNormal.ini", "TarifEcopli.ini", "TarifCEE.ini"})
        noms.removeAll(QLatin1StringView(n));
    return noms;
}

} // namespace

class TestPannes : public QObject
{
    Q_OBJECT

private slots:
    void limiteDeTaille_data();
    void limiteDeTaille();
    void dossierALaPlace_data();
    void dossierALaPlace();
    void systemeDeFichiersPlein();
    void tueEnPleinEnregistrement();
};

void TestPannes::limiteDeTaille_data()
{
    QTest::addColumn<FichierIni>("fichier");
    QTest::addColumn<int>("limite");           // bytes a file may hold
    QTest::addColumn<bool>("depuisLeNouveau"); // the limit counts from the new file's size
    QTest::addColumn<bool>("reussit");

    const struct { FichierIni fichier; const char *nom; } fichiers[] = {
        {FichierIni::PoidsElements, "poids"}, {FichierIni::TarifNormal, "France Rapide"},
        {FichierIni::TarifEcopli, "Ecopli"}, {FichierIni::TarifCEE, "UE"}};
    for (const auto &f : fichiers) {
        QTest::addRow("%s, rien", f.nom) << f.fichier << 0 << false << false;
        QTest::addRow("%s, un octet", f.nom) << f.fichier << 1 << false << false;
        QTest::addRow("%s, moins que l'ancien", f.nom) << f.fichier << 40 << false << false;
        QTest::addRow("%s, un octet de moins que le nouveau", f.nom)
            << f.fichier << -1 << true << false;
        QTest::addRow("%s, juste la taille du nouveau", f.nom) << f.fichier << 0 << true << true;
    }
}

void TestPannes::limiteDeTaille()
{
    QFETCH(FichierIni, fichier);
    QFETCH(int, limite);
    QFETCH(bool, depuisLeNouveau);
    QFETCH(bool, reussit);

    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    const QString chemin = fichiers.chemin(fichier);
    QVERIFY(ecrireOctets(chemin, fichierDeDepart()));
    QVERIFY(enregistrer(fichier, fichiers, 0));
    const QByteArray avant = lireOctets(chemin);

    // The size the new file will have, from a save of the same values into
    // a copy.
    QTemporaryDir copie;
    const FichiersIni fichiersCopie(copie.path());
    QVERIFY(ecrireOctets(fichiersCopie.chemin(fichier), avant));
    QVERIFY(enregistrer(fichier, fichiersCopie, 1));
    const QByteArray attendu = lireOctets(fichiersCopie.chemin(fichier));
    const int taille = depuisLeNouveau ? int(attendu.size()) + limite : limite;
    QVERIFY(taille < avant.size() || depuisLeNouveau);

    ResultatEcriture r;
    {
        const LimiteDeTaille limiteTaille{rlim_t(taille)};
        QVERIFY(limiteTaille.ok());
        r = enregistrer(fichier, fichiers, 1);
    }
    QCOMPARE(r.ok, reussit);
    QCOMPARE(lireOctets(chemin), reussit ? attendu : avant);
    if (!reussit) {
        QVERIFY2(r.raison.contains(QStringLiteral("taille")), qPrintable(r.raison));
        QVERIFY2(r.raison.contains(QFileInfo(chemin).fileName()), qPrintable(r.raison));
    }
    QCOMPARE(autresQueLesReglages(dir.path()), QStringList());
}

void TestPannes::dossierALaPlace_data()
{
    QTest::addColumn<FichierIni>("fichier");
    QTest::addColumn<bool>("dossierVide");
    QTest::newRow("poids, dossier vide") << FichierIni::PoidsElements << true;
    QTest::newRow("France Rapide, dossier plein") << FichierIni::TarifNormal << false;
    QTest::newRow("Ecopli, dossier vide") << FichierIni::TarifEcopli << true;
    QTest::newRow("UE, dossier plein") << FichierIni::TarifCEE << false;
}

void TestPannes::dossierALaPlace()
{
    QFETCH(FichierIni, fichier);
    QFETCH(bool, dossierVide);

    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    const QString chemin = fichiers.chemin(fichier);
    QVERIFY(QDir().mkdir(chemin));
    if (!dossierVide)
        QVERIFY(ecrireOctets(chemin + QStringLiteral("/dedans.ini"), "[Date]\r\nMiseAJour=x\r\n"));

    const ResultatEcriture r = enregistrer(fichier, fichiers, 1);
    QVERIFY(!r.ok);
    QVERIFY2(r.raison.contains(QStringLiteral("dossier"))
                 && r.raison.contains(QFileInfo(chemin).fileName()), qPrintable(r.raison));
    QVERIFY(QFileInfo(chemin).isDir());
    QCOMPARE(fichiers.lire(fichier, MiseAJour::Section, MiseAJour::Cle), QString());
    // The other files are not held back.
    for (const FichierIni autre : TousLesFichiers) {
        if (autre != fichier)
            QVERIFY(enregistrer(autre, fichiers, 1));
    }
}

void TestPannes::systemeDeFichiersPlein()
{
    QTemporaryDir dir;
    const QByteArray point = QFile::encodeName(dir.path());
    if (mount("tmpfs", point.constData(), "tmpfs", 0, "size=64k") != 0) {
        QSKIP(qPrintable(QStringLiteral("pas de tmpfs à monter ici (%1) : il faut être root avec "
                                        "CAP_SYS_ADMIN")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    }
    struct Demontage
    {
        QByteArray point;
        ~Demontage() { umount2(point.constData(), MNT_DETACH); }
    } demontage{point};

    const FichiersIni fichiers(dir.path());
    for (const FichierIni f : TousLesFichiers) {
        QVERIFY(ecrireOctets(fichiers.chemin(f), fichierDeDepart()));
        QVERIFY(enregistrer(f, fichiers, 0));
    }
    QByteArray avant[4];
    for (int i = 0; i < 4; ++i)
        avant[i] = lireOctets(fichiers.chemin(TousLesFichiers[i]));

    // Fill every block that is left.
    const QString bouchon = dir.filePath(QStringLiteral("bouchon"));
    {
        QFile f(bouchon);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray bloc(1024, 'x');
        while (f.write(bloc) == bloc.size()) {
        }
        f.write(QByteArray(1, 'x'));
    }

    for (int i = 0; i < 4; ++i) {
        const ResultatEcriture r = enregistrer(TousLesFichiers[i], fichiers, 1);
        QVERIFY(!r.ok);
        QVERIFY2(r.raison.contains(QStringLiteral("plein")), qPrintable(r.raison));
        QCOMPARE(lireOctets(fichiers.chemin(TousLesFichiers[i])), avant[i]);
    }
    QCOMPARE(autresQueLesReglages(dir.path()), QStringList{QStringLiteral("bouchon")});

    // Once there is room again, saving works.
    QVERIFY(QFile::remove(bouchon));
    QVERIFY(Sauvegardes::enregistrerTout(fichiers, 1));
    QCOMPARE(CatalogueElements::charger(fichiers).valeurs, Sauvegardes::poids(1));
}

void TestPannes::tueEnPleinEnregistrement()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());

    // The only two states each file may be in: saved with one variant or
    // with the other, over the same starting content.
    QByteArray etats[4][2];
    for (int variante = 0; variante < 2; ++variante) {
        QTemporaryDir modele;
        const FichiersIni fm(modele.path());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(ecrireOctets(fm.chemin(TousLesFichiers[i]), fichierDeDepart()));
            QVERIFY(enregistrer(TousLesFichiers[i], fm, variante));
            etats[i][variante] = lireOctets(fm.chemin(TousLesFichiers[i]));
        }
    }
    for (int i = 0; i < 4; ++i)
        QVERIFY(ecrireOctets(fichiers.chemin(TousLesFichiers[i]), etats[i][0]));

    const quint32 graine = QRandomGenerator::global()->generate();
    qInfo("graine %u", graine);
    QRandomGenerator hasard(graine);
    const int tours = 150;
    int vus[2] = {0, 0};
    // How long one series of the four saves takes here, measured as we go,
    // so that the kills spread over a series on a fast machine or a slow one.
    qint64 dureeSerieUs = 2000;
    for (int tour = 0; tour < tours; ++tour) {
        QProcess aide;
        aide.start(QStringLiteral(AMBRELOT_AIDE), {dir.path()});
        const auto ligne = [&aide] {
            while (!aide.canReadLine()) {
                if (!aide.waitForReadyRead(10000))
                    return QByteArray();
            }
            return aide.readLine().trimmed();
        };
        QCOMPARE(ligne(), QByteArray("pret"));
        // Let zero, one or two series complete, then kill anywhere in the next.
        const int series = int(hasard.bounded(3));
        QElapsedTimer chrono;
        chrono.start();
        for (int s = 0; s < series; ++s)
            QCOMPARE(ligne(), QByteArray("fait"));
        if (series > 0)
            dureeSerieUs = std::max<qint64>(100, chrono.nsecsElapsed() / 1000 / series);
        QThread::usleep(hasard.bounded(quint32(dureeSerieUs)));
        QCOMPARE(aide.state(), QProcess::Running);
        aide.kill(); // SIGKILL
        QVERIFY(aide.waitForFinished(10000));
        QCOMPARE(aide.exitStatus(), QProcess::CrashExit);

        for (int i = 0; i < 4; ++i) {
            const QByteArray octets = lireOctets(fichiers.chemin(TousLesFichiers[i]));
            const int variante = octets == etats[i][0] ? 0 : octets == etats[i][1] ? 1 : -1;
            QVERIFY2(variante >= 0, qPrintable(QStringLiteral("tour %1 : %2 ni ancien ni nouveau")
                                                   .arg(tour)
                                                   .arg(fichiers.chemin(TousLesFichiers[i]))));
            ++vus[variante];
        }
        const CatalogueElements::Poids poids = CatalogueElements::charger(fichiers);
        QVERIFY(poids.valeurs == Sauvegardes::poids(0) || poids.valeurs == Sauvegardes::poids(1));
        QCOMPARE(fichiers.LirePoidsElements(u"Perso", u"note"), QStringLiteral("garder"));
    }
    qInfo("%d tués, une série de sauvegardes en %lld µs ; fichiers trouvés à l'ancienne valeur "
          "%d fois, à la nouvelle %d fois ; laissés à côté : %s",
          tours, dureeSerieUs, vus[0], vus[1],
          qPrintable(autresQueLesReglages(dir.path()).join(u' ')));
    // Both states were met: the kills did land in the middle of the series.
    QVERIFY(vus[0] > 0 && vus[1] > 0);

    // Whatever a kill left beside the files does not stop the next save.
    QVERIFY(Sauvegardes::enregistrerTout(fichiers, 1));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(lireOctets(fichiers.chemin(TousLesFichiers[i])), etats[i][1]);
}

QTEST_GUILESS_MAIN(TestPannes)
#include "tst_pannes.moc"
