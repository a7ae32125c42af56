#include "main_window/instanceunique.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>

// Starts copies of the built program, each from a temporary directory of its
// own: the program keeps its settings, and its lock, per directory.
class TestInstanceUnique : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void uneSecondeCopieSeTermine_data();
    void uneSecondeCopieSeTermine();
    void unVerrouAbandonneNeBloquePas();
    void copiesSimultanees();

private:
    QProcess &demarrer(bool attendre = true);
    void attendreLeVerrou();

    std::unique_ptr<QTemporaryDir> m_dossier;
    QString m_programme;
    std::vector<std::unique_ptr<QProcess>> m_processus;
};

void TestInstanceUnique::init()
{
    m_dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dossier->isValid());
    m_programme = m_dossier->filePath(QStringLiteral("ambrelot"));
    QVERIFY(QFile::copy(QStringLiteral(AMBRELOT_PROGRAMME), m_programme));
}

void TestInstanceUnique::cleanup()
{
    for (auto &p : m_processus) {
        ::kill(pid_t(p->processId()), SIGCONT);
        p->kill();
        p->waitForFinished();
    }
    m_processus.clear();
    QFile::remove(InstanceUnique::cheminDuVerrou(m_dossier->path()));
    m_dossier.reset();
}

QProcess &TestInstanceUnique::demarrer(bool attendre)
{
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p->setProcessEnvironment(environnement);
    p->start(m_programme, {});
    if (attendre && !p->waitForStarted())
        qWarning("the program did not start");
    m_processus.push_back(std::move(p));
    return *m_processus.back();
}

void TestInstanceUnique::attendreLeVerrou()
{
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(InstanceUnique::cheminDuVerrou(m_dossier->path())), 10000);
}

void TestInstanceUnique::uneSecondeCopieSeTermine_data()
{
    QTest::addColumn<bool>("premiereOccupee");
    QTest::newRow("première copie au repos") << false;
    QTest::newRow("première copie occupée") << true;
}

void TestInstanceUnique::uneSecondeCopieSeTermine()
{
    QFETCH(bool, premiereOccupee);
    QProcess &premiere = demarrer();
    attendreLeVerrou();
    // A stopped process answers no event at all, as a busy one.
    if (premiereOccupee)
        QCOMPARE(::kill(pid_t(premiere.processId()), SIGSTOP), 0);

    QProcess &seconde = demarrer();
    QVERIFY(seconde.waitForFinished(5000));
    QCOMPARE(seconde.exitStatus(), QProcess::NormalExit);
    QCOMPARE(seconde.exitCode(), 0);
    QCOMPARE(seconde.readAllStandardOutput(), QByteArray());
    QCOMPARE(premiere.state(), QProcess::Running);
}

void TestInstanceUnique::unVerrouAbandonneNeBloquePas()
{
    QProcess &tuee = demarrer();
    attendreLeVerrou();
    tuee.kill();
    QVERIFY(tuee.waitForFinished());
    QVERIFY(QFile::exists(InstanceUnique::cheminDuVerrou(m_dossier->path())));

    QProcess &suivante = demarrer();
    QVERIFY(!suivante.waitForFinished(1500));
    QCOMPARE(suivante.state(), QProcess::Running);
}

void TestInstanceUnique::copiesSimultanees()
{
    // Started in the same instant, the copies race for the lock: one wins.
    for (int i = 0; i < 4; ++i)
        demarrer(false);
    for (auto &p : m_processus)
        QVERIFY(p->waitForStarted());
    attendreLeVerrou();
    QTRY_COMPARE_WITH_TIMEOUT(std::count_if(m_processus.begin(), m_processus.end(),
                                            [](const auto &p) { return p->state() == QProcess::NotRunning; }),
                              3L, 10000);
    QTest::qWait(500);
    for (auto &p : m_processus) {
        if (p->state() == QProcess::NotRunning)
            QCOMPARE(p->exitCode(), 0);
    }
    QCOMPARE(std::count_if(m_processus.begin(), m_processus.end(),
                           [](const auto &p) { return p->state() == QProcess::Running; }),
             1L);
}

QTEST_MAIN(TestInstanceUnique)
#include "tst_form1_instance.moc"
