#undef QT_NO_CAST_FROM_ASCII

#include "dialogs/dialogues.h"
#include "main_window/apparence.h"
#include "main_window/form1.h"
#include "settings/fichiersini.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// The program as a new user first meets it: the main window over the
// settings files that the build lays beside the executable, and nothing else.
class TestPremierDemarrage : public QObject
{
    Q_OBJECT

private slots:
    void prixDesLaPremiereSaisie_data();
    void prixDesLaPremiereSaisie();
};

void TestPremierDemarrage::prixDesLaPremiereSaisie_data()
{
    QTest::addColumn<QString>("caseCompte");
    QTest::addColumn<QString>("compte");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("poids");
    QTest::addColumn<QString>("prix");

    QTest::newRow("3 enveloppes 114 x 162, France Rapide")
        << "Text1" << "3" << "Option1" << "9,6" << "0,66 €";
    QTest::newRow("3 enveloppes 114 x 162, Ecopli") << "Text1" << "3" << "Option2" << "9,6" << "0,59 €";
    QTest::newRow("3 enveloppes 114 x 162, UE") << "Text1" << "3" << "Option3" << "9,6" << "0,83 €";
    QTest::newRow("2 CD en boîte plastique, France Rapide")
        << "Text23" << "2" << "Option1" << "184,2" << "2,65 €";
    QTest::newRow("12 feuilles A4, UE") << "Text14" << "12" << "Option3" << "60" << "1,85 €";
    QTest::newRow("3 CD en boîte plastique, au-delà de l'Ecopli")
        << "Text23" << "3" << "Option2" << "276,3" << ">>";
}

void TestPremierDemarrage::prixDesLaPremiereSaisie()
{
    QFETCH(QString, caseCompte);
    QFETCH(QString, compte);
    QFETCH(QString, option);
    QFETCH(QString, poids);
    QFETCH(QString, prix);

    QTemporaryDir dossier;
    QCOMPARE(QProcess::execute(QStringLiteral(AMBRELOT_OUTIL_DEFAUTS), {dossier.path()}), 0);
    Bip::remplacer([] {});

    Form1 form1{FichiersIni(dossier.path())};
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));

    auto *service = form1.findChild<QRadioButton *>(option);
    QVERIFY(service);
    QTest::mouseClick(service, Qt::LeftButton);
    auto *boite = form1.findChild<QLineEdit *>(caseCompte);
    QVERIFY(boite);
    boite->setFocus();
    QTest::keyClicks(boite, compte);

    QCOMPARE(form1.findChild<QLabel *>("Label3")->text(), poids);
    QCOMPARE(form1.findChild<QLabel *>("Label5")->text(), prix);
    Bip::remplacer({});
}

QTEST_MAIN(TestPremierDemarrage)
#include "tst_premier_demarrage.moc"
