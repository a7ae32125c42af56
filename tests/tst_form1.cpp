// The main window driven as a user drives it, over the default settings.

#undef QT_NO_CAST_FROM_ASCII

#include "outils.h"

#include "main_window/form1.h"
#include "main_window/horloge.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <memory>

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void geometrie_data();
    void geometrie();
    void etatInitial();
    void premiereActivation();
    void ordreTabulation();
    void superpositions();
    void legendesEntieres();
    void menus();

    void saisie_data();
    void saisie();
    void touchesSansCaractere_data();
    void touchesSansCaractere();
    void clics_data();
    void clics();
    void doubleClic();
    void clicAuDelaDeLaLimite();

    void poidsEtPrix_data();
    void poidsEtPrix();
    void changementDeService();
    void raz();

    void raccourcis_data();
    void raccourcis();
    void menuFichierEtQuitter();
    void activationApresFermeture_data();
    void activationApresFermeture();
    void retourDUneAutreApplication();

    void aide_data();
    void aide();
    void sansAide_data();
    void sansAide();
    void horloge_data();
    void horloge();

    void fichiersHostiles_data();
    void fichiersHostiles();
    void saisiesHostiles_data();
    void saisiesHostiles();
    void centMilleClics();

private:
    template<typename T = QWidget>
    T *controle(const QString &nom) const
    {
        T *w = m_form->findChild<T *>(nom);
        if (!w)
            qFatal("no control %s", qPrintable(nom));
        return w;
    }
    QLineEdit *compte(int n) const { return controle<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QString texte(const QString &nom) const { return controle<QLabel>(nom)->text(); }
    void taper(QWidget *w, const QString &touches)
    {
        w->setFocus();
        QTest::keyClicks(w, touches);
    }

    std::unique_ptr<QTemporaryDir> m_dossier;
    std::unique_ptr<Bips> m_bips;
    std::unique_ptr<Form1> m_form;
    QList<Dialogues::Fenetre> m_demandes;
    // What a test does in the modal window a command opens; closing it by default.
    std::function<void(QWidget *)> m_dansLeDialogue;
};

namespace {

using Alteration = std::function<QByteArray(const QByteArray &)>;

QColor couleurTexte(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace

void TestForm1::initTestCase()
{
    // The offscreen platform lacks a few window-system features and says so.
    static const QtMessageHandler suivant = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &contexte, const QString &message) {
        if (!message.startsWith(QStringLiteral("This plugin does not support")))
            suivant(type, contexte, message);
    });
}

void TestForm1::init()
{
    m_dossier = std::make_unique<QTemporaryDir>();
    const FichiersIni fichiers(m_dossier->path());
    QVERIFY(Sauvegardes::enregistrerTout(fichiers));
    m_bips = std::make_unique<Bips>();
    m_demandes.clear();

    m_form = std::make_unique<Form1>(fichiers);
    m_dansLeDialogue = [](QWidget *dialogue) { dialogue->close(); };
    connect(&m_form->dialogues(), &Dialogues::affiche, this, [this](Dialogues::Fenetre f) {
        m_demandes.append(f);
        QTimer::singleShot(0, this, [this] {
            if (QWidget *dialogue = QApplication::activeModalWidget())
                m_dansLeDialogue(dialogue);
        });
    });
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestForm1::cleanup()
{
    m_form.reset();
    m_bips.reset();
    m_dossier.reset();
}

// Creating the window reads no settings file; showing it loads the four
// settings dialogs, hidden, which read their files in this order. A later
// activation reads only the symbol, straight from its file.
void TestForm1::premiereActivation()
{
    OuverturesFichiers ouvertures(m_dossier->path());
    Form1 nouvelle{FichiersIni(m_dossier->path())};
    QCOMPARE(ouvertures.lues(), QStringList());
    nouvelle.show();
    QVERIFY(QTest::qWaitForWindowActive(&nouvelle));
    QCOMPARE(ouvertures.lues(),
             QStringList({"PoidsElements.ini", "TarifNormal.ini", "TarifEcopli.ini", "TarifCEE.ini"}));
    connect(&nouvelle.dialogues(), &Dialogues::affiche, this, [] {
        dansLeProchainDialogue([](QDialog *d) { d->close(); });
    });
    nouvelle.findChild<QAction *>("MnuAPropos")->trigger();
    QCOMPARE(ouvertures.lues(), QStringList{"TarifNormal.ini"});
}

// Positions in twips, relative to the client area or to the enclosing frame.
void TestForm1::geometrie_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("enTwips");

    const auto ligne = [](const char *nom, const char *parent, int x, int y, int l, int h) {
        QTest::newRow(nom) << QString::fromLatin1(parent) << QRect(x, y, l, h);
    };
    ligne("Frame1", "", 120, 120, 2295, 1935);
    ligne("Frame2", "", 120, 2280, 2295, 3735);
    ligne("Frame3", "", 2640, 120, 3015, 2295);
    ligne("Frame8", "", 2640, 2520, 3015, 1815);
    ligne("Frame7", "", 2640, 4440, 3015, 1575);
    ligne("Frame4", "", 5880, 120, 3015, 2295);
    ligne("Frame5", "", 5880, 2520, 3015, 1215);
    ligne("Frame6", "", 5880, 3840, 3015, 735);

    struct Ligne { const char *label; const char *cadre; int rang; int largeur; };
    const Ligne lignes[] = {
        {"Label6", "Frame1", 1, 975},   {"Label7", "Frame1", 2, 975},   {"Label8", "Frame1", 3, 975},
        {"Label9", "Frame1", 4, 975},   {"Label13", "Frame2", 1, 975},  {"Label12", "Frame2", 2, 975},
        {"Label11", "Frame2", 3, 975},  {"Label10", "Frame2", 4, 975},  {"Label17", "Frame2", 5, 975},
        {"Label16", "Frame2", 6, 975},  {"Label15", "Frame2", 7, 975},  {"Label14", "Frame2", 8, 975},
        {"Label18", "Frame2", 9, 975},  {"Label20", "Frame3", 1, 1815}, {"Label19", "Frame3", 2, 1815},
        {"Label2", "Frame3", 3, 1695},  {"Label1", "Frame3", 4, 1815},  {"Label21", "Frame3", 5, 1815},
        {"Label23", "Frame4", 1, 1695}, {"Label24", "Frame4", 2, 1815}, {"Label25", "Frame4", 3, 1695},
        {"Label26", "Frame4", 4, 1815}, {"Label22", "Frame4", 5, 1815}, {"Label30", "Frame5", 1, 1935},
        {"Label29", "Frame5", 2, 1815}, {"Label28", "Frame6", 0, 1935},
    };
    int n = 0;
    for (const Ligne &l : lignes) {
        ++n;
        const int haut = l.rang == 0 ? 240 : 360 * l.rang;
        const bool gauche = qstrcmp(l.cadre, "Frame1") == 0 || qstrcmp(l.cadre, "Frame2") == 0;
        ligne(l.label, l.cadre, 120, haut, l.largeur, 255);
        QTest::newRow(qPrintable(QStringLiteral("Text%1").arg(n)))
            << QString::fromLatin1(l.cadre) << QRect(gauche ? 1320 : 2040, haut, 735, 285);
    }

    ligne("Label4", "Frame8", 120, 1080, 1095, 255);
    ligne("Image1", "Frame8", 1680, 120, 1215, 1575);
    ligne("Label5", "Frame8", 1830, 240, 870, 255);
    ligne("Option2", "Frame7", 120, 720, 2775, 255);
    ligne("Label27", "", 240, 6120, 8655, 375);
    ligne("Label31", "", 5880, 5040, 3135, 735);
    ligne("Label32", "", 5835, 5070, 3135, 735);
}

void TestForm1::geometrie()
{
    QFETCH(QString, parent);
    QFETCH(QRect, enTwips);
    const QWidget *w = controle(QString::fromLatin1(QTest::currentDataTag()));
    if (parent.isEmpty())
        QCOMPARE(w->parentWidget(), m_form->centralWidget());
    else
        QCOMPARE(w->parentWidget()->objectName(), parent);
    QCOMPARE(w->geometry(), twips(enTwips.x(), enTwips.y(), enTwips.width(), enTwips.height()));
}

void TestForm1::etatInitial()
{
    for (int n = 1; n <= 26; ++n)
        QVERIFY(compte(n)->text().isEmpty());
    QCOMPARE(texte("Label3"), "0");
    QCOMPARE(texte("Label5"), "0,00 €");
    QCOMPARE(texte("Label27"), "Bienvenu dans Ambrelot");
    QVERIFY(controle<QRadioButton>("Option1")->isChecked());
    QCOMPARE(QApplication::focusWidget(), compte(1));
    QCOMPARE(m_form->centralWidget()->size(), QSize(602, 437));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(!(m_form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!m_form->windowIcon().isNull());
    QCOMPARE(controle<QTimer>("Timer1")->interval(), 100);
    QVERIFY(controle<QTimer>("Timer1")->isActive());
    // Written by the first activation.
    const QDateTime maintenant = QDateTime::currentDateTime();
    QVERIFY2(m_form->windowTitle() == legendeHorloge(maintenant)
                 || m_form->windowTitle() == legendeHorloge(maintenant.addSecs(-1)),
             qPrintable(m_form->windowTitle()));
}

void TestForm1::ordreTabulation()
{
    QStringList attendu;
    for (int n = 1; n <= 26; ++n)
        attendu << QStringLiteral("Text%1").arg(n);
    attendu << QStringLiteral("Option1") << QStringLiteral("Option2") << QStringLiteral("Option3");

    QStringList chaine;
    QWidget *w = compte(1);
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            chaine << w->objectName();
        w = w->nextInFocusChain();
    } while (w != compte(1));
    QCOMPARE(chaine.mid(0, attendu.size()), attendu);
    QCOMPARE(chaine.size(), attendu.size());
}

void TestForm1::superpositions()
{
    const auto *prix = controle(QStringLiteral("Label5"));
    QCOMPARE(prix->parentWidget()->childAt(prix->geometry().center()), prix);
    const auto *ombre = controle(QStringLiteral("Label32"));
    QCOMPARE(m_form->centralWidget()->childAt(ombre->geometry().center()), ombre);
}

void TestForm1::legendesEntieres()
{
    // Every caption fits its control as on the original design.
    for (const QLabel *l : m_form->findChildren<QLabel *>()) {
        if (!l->wordWrap() && !l->text().isEmpty())
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
    }
    for (const QRadioButton *o : m_form->findChildren<QRadioButton *>())
        QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->objectName()));
    for (const QGroupBox *g : m_form->findChildren<QGroupBox *>())
        QVERIFY2(g->fontMetrics().horizontalAdvance(g->title()) + 16 <= g->width(), qPrintable(g->objectName()));
}

void TestForm1::menus()
{
    QStringList fichier, barre;
    for (const QAction *a : controle<QMenu>("MnuFichier")->actions()) {
        fichier << (a->isSeparator() ? a->objectName()
                                     : a->objectName() + u'|' + a->text() + u'|' + a->shortcut().toString()
                                           + (a->icon().isNull() ? "" : "|icône"));
    }
    QCOMPARE(fichier, QStringList({"MnuParamètres|&Poids des Eléments|Ctrl+P|icône", "MnuBar1",
                                   "MnuTarifNormale|Tarif France &Rapide|Ctrl+R|icône",
                                   "MnuEcopli|Tarif France &Ecopli|Ctrl+E|icône",
                                   "MnuTarifCEE|Tarif Vers UE|Ctrl+C|icône", "MnuBar2",
                                   "MnuQuitter|&Quitter|Ctrl+Q|icône"}));
    for (const QAction *a : m_form->menuBar()->actions())
        barre << a->text() + u'=' + (a->menu() ? a->menu()->objectName() : a->objectName());
    QCOMPARE(barre, QStringList({"&Fichier=MnuFichier", "&RAZ=MnuRaz", "&A Propos de=MnuAPropos"}));
}

void TestForm1::saisie_data()
{
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("bips");

    QTest::newRow("chiffres") << 1 << QStringLiteral("12") << QStringLiteral("12") << 0;
    QTest::newRow("quatrième chiffre non pris") << 1 << QStringLiteral("1234") << QStringLiteral("123") << 0;
    QTest::newRow("lettre refusée") << 5 << QStringLiteral("4a") << QStringLiteral("4") << 1;
    QTest::newRow("moins refusé") << 25 << QStringLiteral("-") << QString() << 1;
    QTest::newRow("virgule refusée sur une ligne d'éléments") << 1 << QStringLiteral("1,5") << QStringLiteral("15") << 1;
    QTest::newRow("espace refusé") << 14 << QStringLiteral(" ") << QString() << 1;
    QTest::newRow("virgule dans les grammes en plus") << 26 << QStringLiteral("12,5") << QStringLiteral("12,5") << 0;
    // 12345 g and 123456 g are beyond every grid: two beeps from the price.
    QTest::newRow("septième caractère non pris") << 26 << QStringLiteral("1234567") << QStringLiteral("123456") << 2;
    QTest::newRow("lettre refusée dans les grammes en plus") << 26 << QStringLiteral("x") << QString() << 1;
}

void TestForm1::saisie()
{
    QFETCH(int, ligne);
    QFETCH(QString, touches);
    QFETCH(QString, attendu);
    QFETCH(int, bips);
    taper(compte(ligne), touches);
    QCOMPARE(compte(ligne)->text(), attendu);
    QCOMPARE(m_bips->nombre, bips);
}

void TestForm1::touchesSansCaractere_data()
{
    QTest::addColumn<int>("cle");
    QTest::addColumn<int>("modificateurs");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<int>("bips");

    // The box holds "12" with the cursor at its end, and "99" is on the clipboard.
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << QStringLiteral("12") << 1;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << QStringLiteral("12") << 1;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << QStringLiteral("12") << 1;
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << QStringLiteral("12") << 1;
    QTest::newRow("Échap") << int(Qt::Key_Escape) << 0 << QStringLiteral("12") << 1;
    QTest::newRow("Retour arrière") << int(Qt::Key_Backspace) << 0 << QStringLiteral("1") << 0;
    QTest::newRow("Entrée") << int(Qt::Key_Return) << 0 << QStringLiteral("12") << 0;
    QTest::newRow("Gauche puis Retour arrière") << int(Qt::Key_Left) << 0 << QStringLiteral("2") << 0;
    QTest::newRow("Début puis Suppr") << int(Qt::Key_Home) << 0 << QStringLiteral("2") << 0;
}

void TestForm1::touchesSansCaractere()
{
    QFETCH(int, cle);
    QFETCH(int, modificateurs);
    QFETCH(QString, attendu);
    QFETCH(int, bips);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QLineEdit *b = compte(2);
    taper(b, QStringLiteral("12"));
    QTest::keyClick(b, Qt::Key(cle), Qt::KeyboardModifiers(modificateurs));
    if (cle == Qt::Key_Left)
        QTest::keyClick(b, Qt::Key_Backspace);
    if (cle == Qt::Key_Home)
        QTest::keyClick(b, Qt::Key_Delete);
    QCOMPARE(b->text(), attendu);
    QCOMPARE(m_bips->nombre, bips);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("99"));
}

void TestForm1::clics_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("avant");
    QTest::addColumn<int>("bouton");
    QTest::addColumn<QStringList>("ecrits");

    const int gauche = Qt::LeftButton, droite = Qt::RightButton, milieu = Qt::MiddleButton;
    const QString vide;
    const auto l6 = QStringLiteral("Label6");
    QTest::newRow("gauche sur vide") << l6 << 1 << vide << gauche << QStringList{"0", "1"};
    QTest::newRow("gauche sur 1") << l6 << 1 << QStringLiteral("1") << gauche << QStringList{"2"};
    QTest::newRow("droite sur 2") << l6 << 1 << QStringLiteral("2") << droite << QStringList{"1"};
    QTest::newRow("droite sur 1") << l6 << 1 << QStringLiteral("1") << droite << QStringList{"0", ""};
    QTest::newRow("droite sur vide") << l6 << 1 << vide << droite << QStringList{"0", "-1", ""};
    QTest::newRow("milieu sur 0") << l6 << 1 << QStringLiteral("0") << milieu << QStringList{""};
    QTest::newRow("milieu sur 7") << l6 << 1 << QStringLiteral("7") << milieu << QStringList{};
    QTest::newRow("gauche sur 999") << QStringLiteral("Label18") << 13 << QStringLiteral("999") << gauche
                                 << QStringList{"1000"};
    QTest::newRow("gauche sur 1,5") << QStringLiteral("Label28") << 26 << QStringLiteral("1,5") << gauche
                                 << QStringList{"2,5"};
    QTest::newRow("droite sur 12,5") << QStringLiteral("Label28") << 26 << QStringLiteral("12,5") << droite
                                   << QStringList{"11,5"};
    QTest::newRow("gauche sur abc") << QStringLiteral("Label22") << 23 << QStringLiteral("abc") << gauche
                                 << QStringList{""};
    QTest::newRow("milieu sur abc") << QStringLiteral("Label22") << 23 << QStringLiteral("abc") << milieu
                                   << QStringList{""};
}

void TestForm1::clics()
{
    QFETCH(QString, label);
    QFETCH(int, ligne);
    QFETCH(QString, avant);
    QFETCH(int, bouton);
    QFETCH(QStringList, ecrits);
    QLineEdit *b = compte(ligne);
    b->setText(avant);
    QSignalSpy changements(b, &QLineEdit::textChanged);
    QTest::mouseClick(controle(label), Qt::MouseButton(bouton));
    QStringList vus;
    for (const QList<QVariant> &c : changements)
        vus << c.at(0).toString();
    QCOMPARE(vus, ecrits);
    QCOMPARE(b->text(), ecrits.isEmpty() ? avant : ecrits.last());
}

namespace {

class CompteDoublesClics : public QObject
{
public:
    using QObject::QObject;
    int nombre = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        nombre += event->type() == QEvent::MouseButtonDblClick ? 1 : 0;
        return false;
    }
};

} // namespace

void TestForm1::doubleClic()
{
    // Press, release, press (a double click for the desktop), release.
    QWidget *label = controle(QStringLiteral("Label9"));
    CompteDoublesClics doublesClics;
    label->installEventFilter(&doublesClics);
    QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {},
                       label->mapTo(m_form.get(), label->rect().center()));
    QCOMPARE(doublesClics.nombre, 1);
    QCOMPARE(compte(4)->text(), QStringLiteral("2"));
}

void TestForm1::clicAuDelaDeLaLimite()
{
    taper(compte(1), QStringLiteral("999"));
    QTest::mouseClick(controle(QStringLiteral("Label6")), Qt::LeftButton);
    QCOMPARE(compte(1)->text(), QStringLiteral("1000"));
    // Typing still stops at three characters.
    taper(compte(1), QStringLiteral("5"));
    QCOMPARE(compte(1)->text(), QStringLiteral("1000"));
    QTest::keyClick(compte(1), Qt::Key_Backspace);
    taper(compte(1), QStringLiteral("55"));
    QCOMPARE(compte(1)->text(), QStringLiteral("100"));
}

void TestForm1::poidsEtPrix_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("touches");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("prix");
    QTest::addColumn<int>("bips");

    const QString rapide = "Option1", ecopli = "Option2", cee = "Option3";
    QTest::newRow("3 enveloppes de 3,2 g") << rapide << 1 << "3" << "9,6" << "0,66 €" << 0;
    QTest::newRow("30 enveloppes de 3,2 g") << rapide << 1 << "30" << "96" << "1,65 €" << 0;
    QTest::newRow("3 puis effacé") << rapide << 1 << "3\b" << "0" << "0,00 €" << 0;
    QTest::newRow("000") << rapide << 7 << "000" << "0" << "0,00 €" << 0;
    QTest::newRow("999 boîtiers de CD de 92,1 g") << rapide << 23 << "999" << "92007,9" << ">>" << 2;
    QTest::newRow("15 g en plus") << rapide << 26 << "15" << "15" << "0,66 €" << 0;
    QTest::newRow("1,5 g en plus") << rapide << 26 << "1,5" << "1,5" << "0,66 €" << 0;
    QTest::newRow("France Rapide 20 g") << rapide << 26 << "20" << "20" << "0,66 €" << 0;
    QTest::newRow("France Rapide 20,5 g") << rapide << 26 << "20,5" << "20,5" << "1,10 €" << 0;
    QTest::newRow("France Rapide 3000 g") << rapide << 26 << "3000" << "3000" << "7,00 €" << 0;
    QTest::newRow("France Rapide 3000,5 g") << rapide << 26 << "3000,5" << "3000,5" << ">>" << 1;
    QTest::newRow("Ecopli 0 g") << ecopli << 26 << "0" << "0" << "0,00 €" << 0;
    QTest::newRow("Ecopli 250 g") << ecopli << 26 << "250" << "250" << "2,10 €" << 0;
    QTest::newRow("Ecopli 251 g") << ecopli << 26 << "251" << "251" << ">>" << 1;
    // Every change that leaves the total beyond the last bracket beeps.
    QTest::newRow("Ecopli 2510 g") << ecopli << 26 << "2510" << "2510" << ">>" << 2;
    QTest::newRow("UE 2000 g") << cee << 26 << "2000" << "2000" << "12,65 €" << 0;
    QTest::newRow("UE 2001 g") << cee << 26 << "2001" << "2001" << ">>" << 1;
}

void TestForm1::poidsEtPrix()
{
    QFETCH(QString, option);
    QFETCH(int, ligne);
    QFETCH(QString, touches);
    QFETCH(QString, total);
    QFETCH(QString, prix);
    QFETCH(int, bips);
    QTest::mouseClick(controle(option), Qt::LeftButton);
    taper(compte(ligne), touches);
    QCOMPARE(texte("Label3"), total);
    QCOMPARE(texte("Label5"), prix);
    QCOMPARE(m_bips->nombre, bips);
    // The caption of a line that weighs something turns red, and back.
    const QStringList legendes = {"Label6",  "Label7",  "Label8",  "Label9",  "Label13", "Label12", "Label11",
                                  "Label10", "Label17", "Label16", "Label15", "Label14", "Label18", "Label20",
                                  "Label19", "Label2",  "Label1",  "Label21", "Label23", "Label24", "Label25",
                                  "Label26", "Label22", "Label30", "Label29", "Label28"};
    QCOMPARE(couleurTexte(controle(legendes.at(ligne - 1))),
             total == "0" ? m_form->palette().color(QPalette::ButtonText) : Couleurs::Rouge);
}

void TestForm1::changementDeService()
{
    taper(compte(26), QStringLiteral("400"));
    QCOMPARE(texte(QStringLiteral("Label5")), QStringLiteral("3,55 €"));
    QTest::mouseClick(controle(QStringLiteral("Option2")), Qt::LeftButton);
    QCOMPARE(texte(QStringLiteral("Label5")), QStringLiteral(">>"));
    QCOMPARE(m_bips->nombre, 1);
    QTest::mouseClick(controle(QStringLiteral("Option1")), Qt::LeftButton);
    QCOMPARE(texte(QStringLiteral("Label5")), QStringLiteral("3,55 €"));
    QCOMPARE(m_bips->nombre, 1);
}

void TestForm1::raz()
{
    QTest::mouseClick(controle(QStringLiteral("Option2")), Qt::LeftButton);
    taper(compte(1), QStringLiteral("3"));
    taper(compte(5), QStringLiteral("2"));
    taper(compte(26), QStringLiteral("12,5"));
    QCOMPARE(texte(QStringLiteral("Label3")), QStringLiteral("39,1"));
    QCOMPARE(texte(QStringLiteral("Label5")), QStringLiteral("0,87 €"));

    controle<QAction>(QStringLiteral("MnuRaz"))->trigger();

    for (int n = 1; n <= 26; ++n)
        QVERIFY2(compte(n)->text().isEmpty(), qPrintable(QString::number(n)));
    QCOMPARE(texte(QStringLiteral("Label3")), QStringLiteral("0"));
    QCOMPARE(texte(QStringLiteral("Label5")), QStringLiteral("0,00 €"));
    QVERIFY(controle<QRadioButton>(QStringLiteral("Option1"))->isChecked());
    QCOMPARE(couleurTexte(controle(QStringLiteral("Label6"))), m_form->palette().color(QPalette::ButtonText));
    QCOMPARE(QApplication::focusWidget(), compte(1));
    QCOMPARE(m_demandes, QList<Dialogues::Fenetre>{});
}

void TestForm1::raccourcis_data()
{
    QTest::addColumn<int>("cle");
    QTest::addColumn<int>("modificateurs");
    QTest::addColumn<int>("fenetre");

    const int ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << int(Dialogues::Fenetre::Poids);
    QTest::newRow("Ctrl+R") << int(Qt::Key_R) << ctrl << int(Dialogues::Fenetre::TarifNormal);
    QTest::newRow("Ctrl+E") << int(Qt::Key_E) << ctrl << int(Dialogues::Fenetre::TarifEcopli);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << int(Dialogues::Fenetre::TarifCEE);
    QTest::newRow("Alt+A") << int(Qt::Key_A) << alt << int(Dialogues::Fenetre::APropos);
    QTest::newRow("Alt+R") << int(Qt::Key_R) << alt << -1;
}

void TestForm1::raccourcis()
{
    QFETCH(int, cle);
    QFETCH(int, modificateurs);
    QFETCH(int, fenetre);
    QApplication::clipboard()->setText(QStringLiteral("rien"));
    QLineEdit *b = compte(3);
    taper(b, QStringLiteral("12"));
    b->selectAll();

    QTest::keyClick(b, Qt::Key(cle), Qt::KeyboardModifiers(modificateurs));

    if (fenetre >= 0) {
        QCOMPARE(m_demandes, QList<Dialogues::Fenetre>{Dialogues::Fenetre(fenetre)});
        QCOMPARE(b->text(), QStringLiteral("12"));
    } else {
        QVERIFY(m_demandes.isEmpty());
        QCOMPARE(b->text(), QString());   // "&RAZ"
    }
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("rien"));
    QCOMPARE(m_bips->nombre, 0);
}

void TestForm1::menuFichierEtQuitter()
{
    auto *fichier = controle<QMenu>(QStringLiteral("MnuFichier"));
    QTest::keyClick(compte(1), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(fichier->isVisible());
    QTest::keyClick(fichier, Qt::Key_Escape);
    QTRY_VERIFY(!fichier->isVisible());

    QSignalSpy quitter(controle<QAction>(QStringLiteral("MnuQuitter")), &QAction::triggered);
    compte(1)->setFocus();
    QTest::keyClick(compte(1), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(quitter.count(), 1);
    QCOMPARE(m_bips->nombre, 0);
}

void TestForm1::activationApresFermeture_data()
{
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("saisie");
    QTest::addColumn<QString>("poids");
    QTest::addColumn<QString>("prix");

    // 2 envelopes of 3,2 g and 33,6 extra grams: 40 g, 1,10 € by France Rapide.
    QTest::newRow("A propos") << "MnuAPropos" << "" << "" << "40" << "1,10 €";
    QTest::newRow("poids enregistré") << "MnuParamètres" << "Text1" << "10" << "53,6" << "1,65 €";
    QTest::newRow("prix enregistré") << "MnuTarifNormale" << "Text2" << "9,99" << "40" << "9,99 €";
    QTest::newRow("Ecopli enregistré") << "MnuEcopli" << "Text2" << "5,55" << "40" << "1,10 €";
}

void TestForm1::activationApresFermeture()
{
    QFETCH(QString, commande);
    QFETCH(QString, champ);
    QFETCH(QString, saisie);
    QFETCH(QString, poids);
    QFETCH(QString, prix);

    taper(compte(1), QStringLiteral("2"));
    taper(compte(26), QStringLiteral("33,6"));
    QCOMPARE(texte(QStringLiteral("Label5")), QStringLiteral("1,10 €"));

    m_dansLeDialogue = [&](QWidget *dialogue) {
        if (champ.isEmpty()) {
            dialogue->close();
            return;
        }
        auto *edition = dialogue->findChild<QLineEdit *>(champ);
        QVERIFY(edition);
        edition->selectAll();
        QTest::keyClicks(edition, saisie);
        QTest::mouseClick(dialogue->findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton);
    };
    controle<QAction>(commande)->trigger();

    // The window shows at once what the counts weigh and cost with the
    // settings in force, never "0,00 €" over a mailing that weighs something.
    QCOMPARE(texte(QStringLiteral("Label3")), poids);
    QCOMPARE(texte(QStringLiteral("Label5")), prix);
    QCOMPARE(compte(1)->text(), QStringLiteral("2"));
}

void TestForm1::retourDUneAutreApplication()
{
    taper(compte(26), QStringLiteral("40"));
    const FichiersIni fichiers(m_dossier->path());
    GrilleTarif g = Tarifs::grille(ServiceExpedition::TarifNormal);
    Tarifs::restaurerDefauts(g);
    g.Tranches[1].Prix = QStringLiteral("9,99");
    const QString symbole = SymboleMonetaire::Defaut;
    QVERIFY(Tarifs::enregistrer(g, fichiers, &symbole));

    QWidget autre;
    autre.show();
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));

    QCOMPARE(texte(QStringLiteral("Label5")), QStringLiteral("1,10 €"));
}

void TestForm1::aide_data()
{
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("grammes");   // typed into Text26 first
    QTest::addColumn<QString>("attendu");

    const auto ligne = [](const char *tag, const char *controle, const char *grammes, const char *attendu) {
        QTest::newRow(tag) << QString::fromUtf8(controle) << QString::fromUtf8(grammes) << QString::fromUtf8(attendu);
    };
    const char *general = "Inscrivez le nombre d'éléments qui compose votre expédition";
    ligne("Label6", "Label6", "", "Enveloppe Blanche courante de type autocollante (Format C6). Poids 3,2 Grammes");
    ligne("Label1", "Label1", "",
          "Feuille double de remboursement Sécurité Sociale n° 60-3777. Poids 4,4 Grammes (sans vignettes)");
    ligne("Label28 vide", "Label28", "",
          "Inscrivez en grammes le poids que vous désirez ajouter. (Actuellement 0 Grammes)");
    ligne("Label28 à 12,5", "Label28", "12,5",
          "Inscrivez en grammes le poids que vous désirez ajouter. (Actuellement 12,5 Grammes)");
    ligne("Label4 à 125 g", "Label4", "125", "Poids Actuel de votre envoi (125 Grammes)");
    ligne("Image1", "Image1", "", "Ici est affiché le montant qui compose votre expédition (Atuellement 0,00 €)");
    ligne("Text1", "Text1", "", "Entré ici le nombre d'envellopes composant votre envoi");
    ligne("Option2", "Option2", "", "Expédition en France Ecopli (Tarif Lent)");
    ligne("fond de la fenêtre", "fond", "", general);
    ligne("Frame8", "Frame8", "", general);
}

void TestForm1::aide()
{
    QFETCH(QString, controle);
    QFETCH(QString, grammes);
    QFETCH(QString, attendu);
    taper(compte(26), grammes);
    // From a place without help, so that every row really moves the pointer.
    QWidget *neutre = this->controle(QStringLiteral("Label31"));
    QTest::mouseMove(neutre, QPoint(207, 2));
    QWidget *w = this->controle(controle);
    // A point of the control that no child covers.
    const QPoint point = controle == QStringLiteral("fond") || controle == QStringLiteral("Frame8")
        ? QPoint(4, w->height() - 4)
        : w->rect().center();
    QTest::mouseMove(w, point);
    QTRY_COMPARE(texte(QStringLiteral("Label27")), attendu);
}

void TestForm1::sansAide_data()
{
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QPoint>("point");

    QTest::newRow("Label27") << QStringLiteral("Label27") << QPoint(300, 10);
    QTest::newRow("Label31") << QStringLiteral("Label31") << QPoint(207, 2);
    QTest::newRow("bord de Frame7") << QStringLiteral("Frame7") << QPoint(1, 60);
    QTest::newRow("fond de Frame1") << QStringLiteral("Frame1") << QPoint(6, 120);
}

void TestForm1::sansAide()
{
    QFETCH(QString, controle);
    QFETCH(QPoint, point);
    QWidget *w = this->controle(controle);
    QCOMPARE(w->childAt(point), nullptr);
    QWidget *option2 = this->controle(QStringLiteral("Option2"));
    QTest::mouseMove(option2, option2->rect().center());
    QTRY_COMPARE(texte(QStringLiteral("Label27")), QStringLiteral("Expédition en France Ecopli (Tarif Lent)"));
    QTest::mouseMove(w, point);
    QTest::qWait(20);
    QCOMPARE(texte(QStringLiteral("Label27")), QStringLiteral("Expédition en France Ecopli (Tarif Lent)"));
}

void TestForm1::horloge_data()
{
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QString>("legende");
    QTest::newRow("soir") << QDateTime(QDate(2026, 12, 6), QTime(18, 20, 37))
                             << QStringLiteral("Ambrelot V.3.0.0         dimanche 6 décembre 2026 18:20:37");
    QTest::newRow("dernière seconde de l'année")
        << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))
        << QStringLiteral("Ambrelot V.3.0.0         jeudi 31 décembre 2026 23:59:59");
    QTest::newRow("minuit") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0))
                              << QStringLiteral("Ambrelot V.3.0.0         vendredi 1 janvier 2027 00:00:00");
}

void TestForm1::horloge()
{
    QFETCH(QDateTime, instant);
    QFETCH(QString, legende);
    QCOMPARE(legendeHorloge(instant), legende);
}

// Bad settings files, bad input: the program starts, shows what it can and
// never crashes or hangs. What saving does to such files is in
// tst_fichiershostiles.
void TestForm1::fichiersHostiles_data()
{
    QTest::addColumn<Alteration>("alteration");
    QTest::addColumn<bool>("lisible");

    QTest::newRow("bruit binaire") << Alteration([](const QByteArray &) {
        QRandomGenerator hasard(7);
        QByteArray octets(65536, Qt::Uninitialized);
        for (char &c : octets)
            c = char(hasard.bounded(256));
        return octets;
    }) << false;
    QTest::newRow("fins CR seules")
        << Alteration([](const QByteArray &o) { return QByteArray(o).replace("\r\n", "\r"); }) << true;
    QTest::newRow("50 Mo") << Alteration([](const QByteArray &o) {
        return o + QByteArray("[Notes]\r\ncle=une valeur quelconque\r\n").repeated(50 << 20 >> 5);
    }) << true;
}

void TestForm1::fichiersHostiles()
{
    QFETCH(Alteration, alteration);
    QFETCH(bool, lisible);
    m_form.reset();
    // The weights file takes the blow; except in the 50 MB case, the others too.
    const FichiersIni fichiers(m_dossier->path());
    for (FichierIni f : TousLesFichiers) {
        if (f == FichierIni::PoidsElements || QByteArray(QTest::currentDataTag()) != "50 Mo")
            QVERIFY(ecrireOctets(fichiers.chemin(f), alteration(lireOctets(fichiers.chemin(f)))));
    }
    m_form = std::make_unique<Form1>(fichiers);
    m_form->show();
    taper(compte(1), "3");
    QCOMPARE(texte("Label3"), lisible ? "9,6" : "0");
    QCOMPARE(texte("Label5"), lisible ? "0,66 €" : "0,00 ");
}

void TestForm1::saisiesHostiles_data()
{
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("colle");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("prix");

    QTest::newRow("dix mille chiffres") << 1 << QString(10000, u'1') << "355,2" << "3,55 €";
    QTest::newRow("dix mille grammes") << 26 << QString(10000, u'9') << "999999" << ">>";
    QTest::newRow("caractères de contrôle") << 1 << "\x01\x02\x1b" << "0" << "0,00 €";
    QTest::newRow("droite à gauche") << 1 << "\u202e12" << "0" << "0,00 €";
    QTest::newRow("hébreu") << 1 << "שלום" << "0" << "0,00 €";
    QTest::newRow("point") << 26 << "1.5" << "0" << "0,00 €";
}

// Only the context menu pastes: what it pastes goes in unfiltered and weighs
// what it says, or nothing.
void TestForm1::saisiesHostiles()
{
    QFETCH(int, ligne);
    QFETCH(QString, colle);
    QFETCH(QString, total);
    QFETCH(QString, prix);
    QApplication::clipboard()->setText(colle);
    compte(ligne)->paste();
    QCOMPARE(texte("Label3"), total);
    QCOMPARE(texte("Label5"), prix);
    QCOMPARE(m_bips->nombre, prix == ">>" ? 1 : 0);

    // A click on the caption then counts from what the box holds, or empties
    // a box that holds no number.
    QTest::mouseClick(controle(ligne == 1 ? "Label6" : "Label28"), Qt::RightButton);
    if (total == "0")
        QCOMPARE(compte(ligne)->text(), QString());
}

void TestForm1::centMilleClics()
{
    QWidget *legende = controle("Label6");
    const QPointF centre = QRectF(legende->rect()).center();
    for (int i = 0; i < 100000; ++i) {
        QMouseEvent relache(QEvent::MouseButtonRelease, centre, legende->mapToGlobal(centre),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(legende, &relache);
    }
    QCOMPARE(compte(1)->text(), "100000");
    QCOMPARE(texte("Label3"), "320000");
    QCOMPARE(texte("Label5"), ">>");
    // 937 envelopes weigh 2998,4 g; from the 938th on, every count beeps.
    QCOMPARE(m_bips->nombre, 100000 - 937);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
