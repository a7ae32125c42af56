// The program under bad settings files and bad input: it starts, shows what
// it can, never crashes or hangs, and loses no setting.

#include "dialogs/dialogues.h"
#include "main_window/apparence.h"
#include "main_window/form1.h"
#include "settings/catalogueelements.h"
#include "settings/tarifs.h"
#include "tests/outilsdialogues.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRandomGenerator>

namespace {

const FichierIni TousLesFichiers[] = {FichierIni::PoidsElements, FichierIni::TarifNormal,
                                      FichierIni::TarifEcopli, FichierIni::TarifCEE};

// The default settings files, as bytes, by file.
std::map<FichierIni, QByteArray> fichiersParDefaut()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts());
    for (ServiceExpedition service : TousLesServices) {
        GrilleTarif g = Tarifs::grille(service);
        Tarifs::restaurerDefauts(g);
        Tarifs::enregistrer(g, fichiers, &SymboleMonetaire::Defaut);
    }
    std::map<FichierIni, QByteArray> octets;
    for (FichierIni f : TousLesFichiers) {
        QFile fichier(fichiers.chemin(f));
        fichier.open(QIODevice::ReadOnly);
        octets[f] = fichier.readAll();
    }
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
    void fichiersIllisibles();
    void saisiesHostiles_data();
    void saisiesHostiles();
    void symboleDeDixMilleCaracteres();
    void centMilleClics();

private:
    Form1 &demarrer();
    QLineEdit *compte(int n) { return m_form->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n)); }
    QString texte(const char *nom) { return m_form->findChild<QLabel *>(QString::fromLatin1(nom))->text(); }

    std::unique_ptr<QTemporaryDir> m_dossier;
    std::unique_ptr<Form1> m_form;
    int m_bips = 0;
};

void TestHostile::init()
{
    m_dossier = std::make_unique<QTemporaryDir>();
    m_bips = 0;
    Bip::remplacer([this] { ++m_bips; });
}

void TestHostile::cleanup()
{
    m_form.reset();
    Bip::remplacer({});
}

Form1 &TestHostile::demarrer()
{
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
    QTest::newRow("octets nuls") << Alteration([](const QByteArray &o) {
        return QByteArray(1000, '\0') + "\r\n" + o + QByteArray(1000, '\0');
    }) << true;
    QTest::newRow("marque d'ordre UTF-8")
        << Alteration([](const QByteArray &o) { return "\xEF\xBB\xBF" + o; }) << true;
    QTest::newRow("fins CR seules") << Alteration([](const QByteArray &o) {
        return QByteArray(o).replace("\r\n", "\r");
    }) << true;
    QTest::newRow("ligne d'un mégaoctet") << Alteration([](const QByteArray &o) {
        return "; " + QByteArray(1 << 20, 'x') + "\r\n" + o;
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
        QFile fichier(fichiers.chemin(f));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(f == FichierIni::PoidsElements || !gros ? alteration(defauts.at(f))
                                                              : defauts.at(f));
    }
    QFile poids(fichiers.chemin(FichierIni::PoidsElements));
    QVERIFY(poids.open(QIODevice::ReadOnly));
    const QByteArray avant = poids.readAll();
    poids.close();

    demarrer();
    QTest::keyClicks(compte(1), QStringLiteral("3"));
    QCOMPARE(texte("Label3"), lisible ? QStringLiteral("9,6") : QStringLiteral("0"));
    QCOMPARE(texte("Label5"), lisible ? QStringLiteral("0,66 €") : QStringLiteral("0,00 "));

    // Saving the defaults from the menu replaces only the keys it writes.
    QTimer::singleShot(0, this, [] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        cliquer(d, QStringLiteral("Command3"));
        cliquer(d, QStringLiteral("Command1"));
    });
    m_form->findChild<QAction *>(QStringLiteral("MnuParamètres"))->trigger();
    QVERIFY(poids.open(QIODevice::ReadOnly));
    const QByteArray apres = poids.readAll();
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

void TestHostile::fichiersIllisibles()
{
    // A folder in the place of every file: nothing to read, nothing to write.
    const FichiersIni fichiers(m_dossier->path());
    for (FichierIni f : TousLesFichiers)
        QVERIFY(QDir().mkpath(fichiers.chemin(f)));
    demarrer();
    QTest::keyClicks(compte(26), QStringLiteral("12,5"));
    QCOMPARE(texte("Label3"), QStringLiteral("12,5"));
    QCOMPARE(texte("Label5"), QStringLiteral(" "));

    Messages messages;
    bool resteOuvert = false;
    afficherPuis(m_form->dialogues(), Dialogues::Fenetre::Poids, [&](QDialog *d) {
        cliquer(d, QStringLiteral("Command3"));
        messages.attendre();
        cliquer(d, QStringLiteral("Command1"));
        resteOuvert = d->isVisible();
        d->reject();
    });
    QVERIFY(resteOuvert);
    QCOMPARE(messages.lus.size(), 1);
    QVERIFY2(messages.lus.first().contains(QStringLiteral("PoidsElements.ini")),
             qPrintable(messages.lus.first()));
    QVERIFY(QFileInfo(fichiers.chemin(FichierIni::PoidsElements)).isDir());
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

    const auto defauts = fichiersParDefaut();
    for (FichierIni f : TousLesFichiers) {
        QFile fichier(FichiersIni(m_dossier->path()).chemin(f));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(defauts.at(f));
    }
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

void TestHostile::symboleDeDixMilleCaracteres()
{
    const auto defauts = fichiersParDefaut();
    const FichiersIni fichiers(m_dossier->path());
    QFile normal(fichiers.chemin(FichierIni::TarifNormal));
    QVERIFY(normal.open(QIODevice::WriteOnly));
    normal.write(defauts.at(FichierIni::TarifNormal));
    normal.close();
    demarrer();

    Messages messages;
    QString garde;
    afficherPuis(m_form->dialogues(), Dialogues::Fenetre::TarifNormal, [&](QDialog *d) {
        QLineEdit *symbole = champ(d, QStringLiteral("Text8"));
        symbole->selectAll();
        QApplication::clipboard()->setText(QString(10000, u'$'));
        symbole->paste();
        messages.attendre();
        cliquer(d, QStringLiteral("Command1"));
        garde = symbole->text();
        d->reject();
    });
    // Refused with a reason, the text kept in the field, the file untouched.
    QCOMPARE(garde.size(), 10000);
    QCOMPARE(messages.lus.size(), 1);
    QVERIFY2(messages.lus.first().contains(QStringLiteral("254")), qPrintable(messages.lus.first()));
    QVERIFY(normal.open(QIODevice::ReadOnly));
    QCOMPARE(normal.readAll(), defauts.at(FichierIni::TarifNormal));
}

void TestHostile::centMilleClics()
{
    const auto defauts = fichiersParDefaut();
    for (FichierIni f : TousLesFichiers) {
        QFile fichier(FichiersIni(m_dossier->path()).chemin(f));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(defauts.at(f));
    }
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
    QCOMPARE(m_bips, 100000 - 937);
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
