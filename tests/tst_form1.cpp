// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a user drives it, over the default settings.

#include "outils.h"

#include "commun/apparence.h"
#include "commun/version.h"
#include "main_window/demarrage.h"
#include "main_window/form1.h"
#include "main_window/horloge.h"
#include "main_window/instanceunique.h"
#include "settings/defauts.h"

#include <QClipboard>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include <sys/stat.h>

// In a box of the main window, or a field of the settings window that `menu`
// opens, text typed then a key: the text it leaves and the beeps.
struct Frappe
{
    const char *nom;
    QString menu, champ, tape;
    QKeyCombination touche;
    QString attendu;
    int bips;
};
// A button released over a caption, then keys in its box: every text written
// there.
struct Clic
{
    const char *nom;
    QString legende, boite, avant;
    Qt::MouseButton bouton;
    QStringList ecrits;
    QList<Qt::Key> puis = {};
};
// With 2 envelopes and `grammes` counted, a key of the menu: the window it
// opens, where `saisie` typed into `champ` is saved (else it is closed); then
// the total, the price and the beeps.
struct Commande
{
    const char *nom;
    QKeyCombination touche;
    QString grammes, fenetre, total, prix;
    int bips = 0;
    QString champ = {}, saisie = {};
};
// The runtime folder: private, private with a path too long for a socket's
// address, or open to all.
enum class Environnement { RuntimePrive, RuntimeLong, RuntimeOuvert };
// The first copy: idle, stopped (alive, deaf) or killed (its lock left behind).
enum class Premiere { AuRepos, Arretee, Tuee };
// Whether the program started now shows its window, and what it says on
// standard error.
struct Copie
{
    const char *nom;
    Environnement environnement;
    Premiere premiere;
    bool fenetre;
    QString erreur = {};
};
Q_DECLARE_METATYPE(Frappe)
Q_DECLARE_METATYPE(Clic)
Q_DECLARE_METATYPE(Commande)
Q_DECLARE_METATYPE(Copie)

class TestForm1 : public QObject
{
    Q_OBJECT

    template<typename T = QWidget>
    T *controle(const QString &nom) const
    {
        return enfant<T>(m_form.get(), nom);
    }
    QString texte(const QString &nom) const { return controle<QLabel>(nom)->text(); }
    // The help line once the pointer comes onto `w` from Option2.
    QString survoler(QWidget *w)
    {
        QTest::mouseMove(controle("Option2"));
        QTest::mouseMove(w,
                         qobject_cast<QGroupBox *>(w) || w == m_form->centralWidget() ? QPoint(4, w->height() - 4)
                                                                                      : w->rect().center());
        return texte("Label27");
    }
    void taper(const QString &boite, const QString &touches)
    {
        controle(boite)->setFocus(), QTest::keyClicks(controle(boite), touches);
    }

    std::unique_ptr<QTemporaryDir> m_dossier;
    int m_bips = 0;
    std::unique_ptr<Form1> m_form;
    // What a test does in the settings window a command opens.
    std::function<void(QDialog *)> m_dansLeDialogue;

private slots:
    void init()
    {
        m_dossier = std::make_unique<QTemporaryDir>();
        // The files the build lays beside the program, and one price longer
        // than typing allows.
        const FichiersIni fichiers(m_dossier->path());
        ecrireFichiersManquants(fichiers);
        fichiers.EcrireTarifCEE("Tarification", "TarifCEE20Gr", "0123456789");
        m_bips = 0;
        Bip::remplacer([this] { ++m_bips; });
        m_form = std::make_unique<Form1>(fichiers);
        connect(&m_form->dialogues(), &Dialogues::affiche, this, [this] { dansLeProchainDialogue(m_dansLeDialogue); });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    void cleanup() { m_form.reset(), Bip::remplacer({}); }

    // Every text of the window and its menus, the help line over each
    // control, the Tab order.
    void apercu()
    {
        const QStringList controles = ::apercu(m_form.get()).mid(1);
        QStringList lignes = QStringList{"Form1"} + controles; // its caption is the clock
        for (const QAction *a : m_form->menuBar()->actions() + controle<QMenu>("MnuFichier")->actions()) {
            lignes << (a->menu() ? a->menu()->objectName() : a->objectName()) + " «" + a->text() + "» "
                    + a->shortcut().toString() + (a->icon().isNull() ? "" : " icône");
        }
        for (const QString &ligne : controles) {
            const QString nom = ligne.section(' ', 0, 0);
            lignes << "aide " + nom + " «" + survoler(controle(nom)) + "»";
        }
        QWidget *w = QApplication::focusWidget();
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                lignes << "tabulation " + w->objectName();
        } while ((w = w->nextInFocusChain()) != QApplication::focusWidget());
        comparerApercu("Form1", lignes);
    }

    // Centred, fixed size, with its icon and the clock.
    void disposition()
    {
        QVERIFY((m_form->geometry().center() - m_form->screen()->availableGeometry().center()).manhattanLength() < 30);
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QVERIFY(!m_form->windowIcon().isNull());
        QCOMPARE(legendeHorloge(QDateTime(QDate(2027, 1, 1), QTime(0, 0, 5))),
                 "Ambrelot V." + texteVersion() + "         vendredi 1 janvier 2027 00:00:05");
        QCOMPARE(m_form->windowTitle().chopped(8), legendeHorloge(QDateTime::currentDateTime()).chopped(8));
    }

    // The boxes take digits (the extra grams a comma, or a point as one), the
    // weights digits and commas, a price anything; anything else beeps. Every
    // field has its length limit, but a longer value from a file stands
    // whole, can shrink and not grow.
    void saisie_data()
    {
        const auto ctrl = Qt::ControlModifier, pave = Qt::KeypadModifier;
        cas<Frappe>({
            {"quatrième chiffre", "", "Text1", "1234", {}, "123", 0},
            {"virgule, point", "", "Text1", "1,.5", {}, "15", 2},
            {"Ctrl+V refusé", "", "Text2", "12", ctrl | Qt::Key_V, "12", 1},
            // A paste of "-5.0\n" takes what typing would; a line feed inserts nothing.
            {"Maj+Inser des grammes", "", "Text26", "2", Qt::ShiftModifier | Qt::Key_Insert, "25,0", 1},
            {"Alt+5", "", "Text2", "12", Qt::AltModifier | Qt::Key_5, "12", 1},
            // The dialog stays open, with the edits.
            {"poids : Échap", "MnuParamètres", "Text6", "", Qt::Key_Escape, "12,5", 1},
            {"poids : point en virgule, huit caractères", "MnuParamètres", "Text25", "1.-a2345678", {}, "61,23456", 2},
            {"France Rapide : neuvième caractère", "MnuTarifNormale", "Text7", "1234x", {}, "7,001234", 0},
            {"France Rapide : Ctrl+Z", "MnuTarifNormale", "Text7", "12", ctrl | Qt::Key_Z, "7,00", 0},
            {"symbole sans limite", "MnuTarifNormale", "Text8", "12345678x", {}, "€12345678x", 0},
            // The keypad's decimal key, "." on French systems, types a price's comma.
            {"pavé : prix", "MnuTarifNormale", "Text7", "", pave | Qt::Key_Period, "7,00,", 0},
            {"pavé : symbole", "MnuTarifNormale", "Text8", "", pave | Qt::Key_Period, "€.", 0},
            {"point : prix", "MnuTarifNormale", "Text7", ".", {}, "7,00.", 0},
            {"UE : valeur longue du fichier", "MnuTarifCEE", "Text1", "5\b5", {}, "012345678", 0},
        });
    }
    void saisie()
    {
        QFETCH(Frappe, c);
        QApplication::clipboard()->setText("-5.0\n");
        QString vu;
        bool ouvert = true;
        const auto frapper = [&](QLineEdit *b) {
            b->setFocus();
            b->end(false);
            QTest::keyClicks(b, c.tape);
            if (c.touche.key() != Qt::Key_unknown)
                QTest::keyClick(b, c.touche.key(), c.touche.keyboardModifiers());
            vu = b->text();
        };
        if (c.menu.isEmpty()) {
            frapper(controle<QLineEdit>(c.champ));
        } else {
            m_dansLeDialogue = [&](QDialog *d) { frapper(enfant(d, c.champ)), ouvert = d->isVisible(), d->reject(); };
            controle<QAction>(c.menu)->trigger();
        }
        QCOMPARE(vu, c.attendu);
        QVERIFY(ouvert);
        QCOMPARE(m_bips, c.bips);
    }

    void clics_data()
    {
        cas<Clic>({
            {"droite sur vide", "Label29", "Text25", "", Qt::RightButton, {"0", "-1", ""}},
            {"milieu sur 0", "Label6", "Text1", "0", Qt::MiddleButton, {""}},
            // Past its limit by a click, the box keeps its cursor as it shrinks back.
            {"999, puis effacé au milieu",
             "Label18",
             "Text13",
             "999",
             Qt::LeftButton,
             {"1000", "100", "00"},
             {Qt::Key_Left, Qt::Key_Left, Qt::Key_Backspace, Qt::Key_Backspace}},
            {"droite sur 0,9", "Label28", "Text26", "0,9", Qt::RightButton, {"-0,1"}},
            {"gauche sur abc", "Label22", "Text23", "abc", Qt::LeftButton, {""}},
        });
    }
    void clics()
    {
        QFETCH(Clic, c);
        auto *boite = controle<QLineEdit>(c.boite);
        boite->setText(c.avant);
        QStringList ecrits;
        connect(boite, &QLineEdit::textChanged, this, [&](const QString &t) { ecrits << t; });
        QTest::mouseClick(controle(c.legende), c.bouton);
        for (const Qt::Key k : c.puis)
            QTest::keyClick(boite, k);
        QCOMPARE(ecrits, c.ecrits);
    }

    // Ctrl+I from a box: the file chosen, its preview saved, the window
    // prices with the new grid at once.
    void importer()
    {
        taper("Text1", "2");
        const QString csv = m_dossier->filePath("2027.csv");
        QVERIFY(ecrireOctets(csv, "Service;Jusqu'à (g);Prix\nFrance Rapide;20;3,60\n"));
        dansLeProchainDialogue([&](QDialog *d) {
            qobject_cast<QFileDialog *>(d)->selectFile(csv);
            d->accept();
            QTimer::singleShot(100, [] { cliquer(QApplication::activeModalWidget(), "Command1"); });
        });
        QTest::keyClick(controle("Text1"), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(texte("Label5"), "3,60 €");
    }

    // Ecopli at 409,6 g shows ">>" with a beep, the first caption red; then
    // "&RAZ" empties every box, the caption black again, and chooses France
    // Rapide again.
    void serviceEtRaz()
    {
        const auto legende = [this] { return controle("Label6")->palette().color(QPalette::WindowText); };
        const QColor noir = m_form->palette().color(QPalette::ButtonText);
        taper("Text26", "400");
        taper("Text1", "3");
        QTest::mouseClick(controle("Option2"), Qt::LeftButton);
        QCOMPARE(legende(), Couleurs::Rouge);
        controle<QAction>("MnuRaz")->trigger();
        QCOMPARE(texte("Label3"), "0");
        QVERIFY(controle<QRadioButton>("Option1")->isChecked());
        QCOMPARE(legende(), noir);
        QCOMPARE(QApplication::focusWidget(), controle("Text1"));
        // Emptying the first box leaves 400 g in Ecopli: one beep more.
        QCOMPARE(m_bips, 2);
        // A count of zero counts nothing.
        taper("Text1", "00");
        QCOMPARE(legende(), noir);
    }

    // The menu's keys act while a box with a selection has the focus. Once a window opened from the menu closes,
    // the display shows what the counts weigh and cost with the settings now
    // in force; beyond the last bracket, a beep when typing gets there, none
    // when a window that changed nothing closes, one when a save gets there.
    void commandes_data()
    {
        const auto ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        // 2 envelopes of 3,2 g and 33,6 grams: 40 g, 1,10 € by France Rapide.
        cas<Commande>({
            {"Ctrl+C, au-delà", ctrl | Qt::Key_C, "4000", "Form5", "4006,4", ">>", 1},
            {"Alt+A", alt | Qt::Key_A, "33,6", "Form6", "40", "1,10 €"},
            {"Ctrl+P, poids au-delà", ctrl | Qt::Key_P, "33,6", "Form2", "20031,6", ">>", 1, "Text1", "9999"},
        });
    }
    void commandes()
    {
        QFETCH(Commande, c);
        taper("Text1", "2");
        taper("Text26", c.grammes);
        controle<QLineEdit>("Text26")->selectAll();
        QString ouverte;
        m_dansLeDialogue = [&](QDialog *d) {
            ouverte = d->objectName();
            if (c.champ.isEmpty())
                return d->close(), void();
            enfant(d, c.champ)->selectAll();
            QTest::keyClicks(enfant(d, c.champ), c.saisie);
            cliquer(d, "Command1");
        };
        QTest::keyClick(controle("Text26"), c.touche.key(), c.touche.keyboardModifiers());
        QCOMPARE(ouverte, c.fenetre);
        QCOMPARE(texte("Label3"), c.total);
        QCOMPARE(texte("Label5"), c.prix);
        QCOMPARE(m_bips, c.bips);
    }

    // Ctrl+T from a box opens the comparison on the checked service's row,
    // here EU at 40 g over the shipped files: what it shows, the Tab order;
    // then Enter chooses the row above.
    void comparaison()
    {
        QTest::mouseClick(controle("Option3"), Qt::LeftButton);
        taper("Text1", "2"), taper("Text26", "33,6");
        QStringList lignes;
        dansLeProchainDialogue([&](QDialog *d) {
            lignes = ::apercu(d) + tabulations(d);
            QTest::keyClick(d->focusWidget(), Qt::Key_Up), QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            if (d->isVisible())
                d->reject();
        });
        QTest::keyClick(controle("Text26"), Qt::Key_T, Qt::ControlModifier);
        comparerApercu("Form7", lignes);
        QVERIFY(controle<QRadioButton>("Option2")->isChecked());
    }

    // One copy of the program at a time, and no start without a window. A
    // first copy, forked from this test, holds the lock; the program started
    // now calls it forward and leaves, or opens its own window and, when a
    // live copy holds the lock but does not answer, says why. Lock and socket
    // land in the account's own folder: the runtime folder when it is sound,
    // else ~/.cache/ambrelot. Last, as the start-up sets the application's
    // style and palette.
    void uneSeuleCopie_data()
    {
        cas<Copie>({
            {"première copie au repos, chemin de prise long", Environnement::RuntimeLong, Premiere::AuRepos, false},
            {"première copie arrêtée", Environnement::RuntimePrive, Premiere::Arretee, true, "ne répond pas"},
            {"première copie tuée, dossier d'exécution ouvert", Environnement::RuntimeOuvert, Premiere::Tuee, true},
        });
    }
    void uneSeuleCopie()
    {
        QFETCH(Copie, c);
        QTemporaryDir dossier, prive, maison;
        const QString xdg = prive.filePath(c.environnement == Environnement::RuntimeLong ? QString(100, u'x') : "run");
        QVERIFY(QDir().mkdir(xdg)
                && ::chmod(qPrintable(xdg), c.environnement == Environnement::RuntimeOuvert ? 0777 : 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", xdg.toLocal8Bit());
        qputenv("HOME", maison.path().toLocal8Bit());
        // Looked at while a copy holds the lock: the window's, else the first.
        const QString ici = c.environnement == Environnement::RuntimeOuvert ? maison.path() + "/.cache/ambrelot" : xdg;
        const auto verrouIci = [&] { return QDir(ici).entryList({"*.lock"}).size() == 1; };
        // The first copy leaves once called forward, with the code 3.
        pid_t copie = fork();
        if (copie == 0) {
            int code;
            {
                InstanceUnique instance;
                QObject::connect(
                    &instance, &InstanceUnique::appelee, qApp, [] { QCoreApplication::exit(3); }, Qt::QueuedConnection);
                code = QCoreApplication::exec();
            }
            _exit(code);
        }
        const auto finir = qScopeGuard([&] {
            // Our own live child only: a pid of 0 or -1 would signal our
            // whole process group, ctest and CI included.
            if (copie > 0)
                ::kill(copie, SIGKILL), waitpid(copie, nullptr, 0);
        });
        QTRY_VERIFY(verrouIci());
        if (c.premiere == Premiere::Arretee)
            ::kill(copie, SIGSTOP);
        if (c.premiere == Premiere::Tuee)
            ::kill(copie, SIGKILL), waitpid(copie, nullptr, 0), copie = -1;

        QTest::failOnWarning(QRegularExpression("Ambrelot"));
        if (!c.erreur.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(c.erreur));
        // A dark desktop leaves the design's colours.
        QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        // The settings live in the runtime folder: open to all, they are
        // ignored, and the window says so once shown.
        bool montree = false, verrouVu = false, avertie = false;
        QCOMPARE(demarrer(*qApp, FichiersIni(dossier.path(), xdg),
                          [&](QWidget &) {
                              montree = true, verrouVu = verrouIci();
                              QTimer::singleShot(0, qApp, [&] {
                                  avertie = QApplication::activeModalWidget();
                                  QCoreApplication::quit();
                              });
                          }),
                 0);
        QCOMPARE(avertie, c.environnement == Environnement::RuntimeOuvert);
        QCOMPARE(montree, c.fenetre);
        QCOMPARE(QApplication::palette().color(QPalette::Window) == QColor(212, 208, 200), montree);
        QCOMPARE(verrouVu, montree);
        int etat = 0;
        if (!c.fenetre)
            QVERIFY(waitpid(std::exchange(copie, -1), &etat, 0) > 0 && WEXITSTATUS(etat) == 3);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
