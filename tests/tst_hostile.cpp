// The program under bad settings files and bad input: it starts, shows what
// it can, never crashes or hangs, and loses no setting.

#include "outils.h"

#include "main_window/form1.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QRandomGenerator>

namespace {

// The default settings files, as bytes, by file.
std::map<FichierIni, QByteArray> fichiersParDefaut()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    Sauvegardes::enregistrerTout(fichiers);
    std::map<FichierIni, QByteArray> octets;
    for (FichierIni f : TousLesFichiers)
        octets[f] = lireOctets(fichiers.chemin(f));
    return octets;
}

QByteArray bruit(qsizetype taille, quint32 graine)
{
    QRandomGenerator hasard(graine);
    QByteArray octets(taille, Qt::Uninitialized);
    for (char &c : octets)
        c = char(hasard.bounded(256));
    return octets;
}

using Alteration = std::function<QByteArray(const QByteArray &)>;

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fichiersHostiles_data();
    void fichiersHostiles();
    void saisiesHostiles_data();
    void saisiesHostiles();
    void centMilleClics();

private:
    Form1 &demarrer();
    QLineEdit *compte(int n) { return m_form->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n)); }
    QString texte(const char *nom) { return m_form->findChild<QLabel *>(QString::fromLatin1(nom))->text(); }

    std::unique_ptr<QTemporaryDir> m_dossier;
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<Bips> m_bips;
};

void TestHostile::init()
{
    m_dossier = std::make_unique<QTemporaryDir>();
    m_bips = std::make_unique<Bips>();
}

void TestHostile::cleanup()
{
    m_form.reset();
    m_bips.reset();
}

Form1 &TestHostile::demarrer()
{
    if (!QFile::exists(FichiersIni(m_dossier->path()).chemin(FichierIni::PoidsElements)))
        Sauvegardes::enregistrerTout(FichiersIni(m_dossier->path()));
    m_form = std::make_unique<Form1>(FichiersIni(m_dossier->path()));
    m_form->show();
    return *m_form;
}

void TestHostile::fichiersHostiles_data()
{
    QTest::addColumn<Alteration>("alteration");
    QTest::addColumn<bool>("lisible");

    QTest::newRow("bruit binaire") << Alteration([](const QByteArray &) { return bruit(65536, 7); })
                                   << false;
    QTest::newRow("fins CR seules") << Alteration([](const QByteArray &o) {
        return QByteArray(o).replace("\r\n", "\r");
    }) << true;
    QTest::newRow("50 Mo") << Alteration([](const QByteArray &o) {
        QByteArray gros;
        gros.reserve(50 << 20);
        while (gros.size() < (50 << 20))
            gros += "[Notes]\r\ncle=une valeur quelconque\r\n";
        return o + gros;
    }) << true;
}

void TestHostile::fichiersHostiles()
{
    QFETCH(Alteration, alteration);
    QFETCH(bool, lisible);

    const auto defauts = fichiersParDefaut();
    const FichiersIni fichiers(m_dossier->path());
    // The weights file takes the blow; in the 50 MB case it alone, to keep
    // the test short.
    const bool gros = QByteArray(QTest::currentDataTag()) == "50 Mo";
    for (FichierIni f : TousLesFichiers) {
        QVERIFY(ecrireOctets(fichiers.chemin(f), f == FichierIni::PoidsElements || !gros
                                                     ? alteration(defauts.at(f))
                                                     : defauts.at(f)));
    }
    const QByteArray avant = lireOctets(fichiers.chemin(FichierIni::PoidsElements));

    demarrer();
    QTest::keyClicks(compte(1), QStringLiteral("3"));
    QCOMPARE(texte("Label3"), lisible ? QStringLiteral("9,6") : QStringLiteral("0"));
    QCOMPARE(texte("Label5"), lisible ? QStringLiteral("0,66 €") : QStringLiteral("0,00 "));

    // Saving the defaults from the menu replaces only the keys it writes.
    dansLeProchainDialogue([](QDialog *d) {
        cliquer(d, QStringLiteral("Command3"));
        cliquer(d, QStringLiteral("Command1"));
    });
    m_form->findChild<QAction *>(QStringLiteral("MnuParamètres"))->trigger();
    const QByteArray apres = lireOctets(fichiers.chemin(FichierIni::PoidsElements));
    if (lisible) {
        // The same values: only the stamp differs.
        const qsizetype debut = avant.indexOf("MiseAJour=") + 10;
        const qsizetype fin = avant.indexOf('\r', debut);
        QByteArray attendu = avant;
        attendu.replace(debut, fin - debut, apres.mid(debut, fin - debut));
        QCOMPARE(apres.size(), attendu.size());
        QVERIFY(apres == attendu);
    } else {
        QVERIFY(apres.startsWith(avant));
        QVERIFY(apres.mid(avant.size()).contains("Envellope229=14,6\r\n"));
    }
    // And the window counts with the weights now in force.
    QCOMPARE(texte("Label3"), QStringLiteral("9,6"));
}

void TestHostile::saisiesHostiles_data()
{
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("colle");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("prix");

    QTest::newRow("dix mille chiffres") << 1 << QString(10000, u'1') << "355,2" << "3,55 €";
    QTest::newRow("dix mille grammes") << 26 << QString(10000, u'9') << "999999" << ">>";
    QTest::newRow("caractères de contrôle") << 1 << QStringLiteral("\x01\x02\x1b") << "0" << "0,00 €";
    QTest::newRow("droite à gauche") << 1 << QStringLiteral("\u202e12") << "0" << "0,00 €";
    QTest::newRow("hébreu") << 1 << QStringLiteral("שלום") << "0" << "0,00 €";
    QTest::newRow("point") << 26 << QStringLiteral("1.5") << "0" << "0,00 €";
}

void TestHostile::saisiesHostiles()
{
    QFETCH(int, ligne);
    QFETCH(QString, colle);
    QFETCH(QString, total);
    QFETCH(QString, prix);

    demarrer();
    QApplication::clipboard()->setText(colle);
    compte(ligne)->paste();
    QCOMPARE(texte("Label3"), total);
    QCOMPARE(texte("Label5"), prix);

    // A click on the caption then counts from what the box holds, or empties
    // a box that holds no number.
    QLabel *legende = m_form->findChild<QLabel *>(ligne == 1 ? QStringLiteral("Label6")
                                                             : QStringLiteral("Label28"));
    QTest::mouseClick(legende, Qt::RightButton);
    if (total == QStringLiteral("0"))
        QCOMPARE(compte(ligne)->text(), QString());
}

void TestHostile::centMilleClics()
{
    demarrer();
    QLabel *legende = m_form->findChild<QLabel *>(QStringLiteral("Label6"));
    const QPointF centre = QRectF(legende->rect()).center();
    for (int i = 0; i < 100000; ++i) {
        QMouseEvent relache(QEvent::MouseButtonRelease, centre, legende->mapToGlobal(centre),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(legende, &relache);
    }
    QCOMPARE(compte(1)->text(), QStringLiteral("100000"));
    QCOMPARE(texte("Label3"), QStringLiteral("320000"));
    QCOMPARE(texte("Label5"), QStringLiteral(">>"));
    // 937 envelopes weigh 2998,4 g; from the 938th on, every count beeps.
    QCOMPARE(m_bips->nombre, 100000 - 937);
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
