// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a user drives it, over the default settings.

#include "outils.h"

#include "commun/version.h"
#include "main_window/demarrage.h"
#include "main_window/form1.h"
#include "main_window/horloge.h"
#include "main_window/instanceunique.h"
#include "settings/defauts.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// With a service chosen, text typed into a box, or into a field of a settings
// dialog opened from the menu ("Form3 Text7"), then a key with its modifiers
// (the menu key: "Coller" in the context menu), then more text, «committed»
// by an input method or typed: the text it then holds and the beeps; for a
// box, the total and the price. The clipboard holds `colle`.
struct Frappe
{
    QString option, champ, avant;
    int touche, modificateurs;
    QString apres, attendu, total, prix;
    int bips;
    QString colle = "99";
};
// Buttons released over a caption (G left, D right, M middle, 2 a double
// click), with pastes of "99" (C), backspaces (<), moves left (←) and digits
// typed into its box, and every text written there.
struct Clic
{
    QString label, avant, boutons;
    QStringList ecrits;
};
// A key of the menu, the window it opens (-1: none) and what is typed and
// clicked there; then the total, the price, the unit weight of line 1 and
// the beeps, with 2 envelopes and `grammes` counted.
struct Commande
{
    int touche, modificateurs, fenetre;
    QString champ, saisie, bouton, total, prix, unitaire, grammes = "33,6";
    int bips = 0;
};
// The option checked before the comparison, what is done there, the option
// checked after, the price and the beeps.
struct Choix
{
    QString avant, gestes, apres, prix;
    int bips;
};
// With XDG_RUNTIME_DIR so ("absent": HOME unset too) and the first copy so,
// or the lock it left, whether the program started now shows its window,
// where the lock lands and what it says on standard error.
struct Copie
{
    QString runtime, premiere;
    bool fenetre;
    QString lieu, erreur;
};
Q_DECLARE_METATYPE(Frappe)
Q_DECLARE_METATYPE(Clic)
Q_DECLARE_METATYPE(Commande)
Q_DECLARE_METATYPE(Choix)
Q_DECLARE_METATYPE(Copie)

class TestForm1 : public QObject
{
    Q_OBJECT

    template<typename T = QWidget>
    T *controle(const QString &nom) const
    {
        return enfant<T>(m_form.get(), nom);
    }
    QLineEdit *compte(int n) const { return controle<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QString texte(const QString &nom) const { return controle<QLabel>(nom)->text(); }
    // The caption or the box on the same line.
    template<typename T>
    static T *voisin(const QWidget *w)
    {
        for (T *autre : w->parentWidget()->findChildren<T *>(Qt::FindDirectChildrenOnly)) {
            if (autre->y() == w->y())
                return autre;
        }
        qFatal("pas de voisin");
    }
    // The help line once the pointer comes onto `w` from Option2.
    QString survoler(QWidget *w)
    {
        QTest::mouseMove(controle("Option2"));
        QTest::mouseMove(w,
                         qobject_cast<QGroupBox *>(w) || w == m_form->centralWidget() ? QPoint(4, w->height() - 4)
                                                                                      : w->rect().center());
        return texte("Label27");
    }
    void taper(QWidget *w, const QString &touches) { w->setFocus(), QTest::keyClicks(w, touches); }
    QColor couleur(const QWidget *w) const { return w->palette().color(QPalette::WindowText); }

    std::unique_ptr<QTemporaryDir> m_dossier;
    std::unique_ptr<Bips> m_bips;
    std::unique_ptr<Form1> m_form;
    QList<Dialogues::Fenetre> m_demandes;
    // What a test does in the window a command opens; closing it by default.
    std::function<void(QDialog *)> m_dansLeDialogue;

    void ouvrir()
    {
        m_bips.reset(); // before another takes its place
        m_bips = std::make_unique<Bips>();
        m_form = std::make_unique<Form1>(FichiersIni(m_dossier->path()));
        m_dansLeDialogue = [](QDialog *d) { d->close(); };
        connect(&m_form->dialogues(), &Dialogues::affiche, this, [this](Dialogues::Fenetre f) {
            m_demandes.append(f);
            dansLeProchainDialogue([this](QDialog *d) { m_dansLeDialogue(d); });
        });
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

private slots:
    void init()
    {
        m_dossier = std::make_unique<QTemporaryDir>();
        // The files the build lays beside the program, where none is yet, and
        // one price longer than typing allows.
        ecrireFichiersManquants(FichiersIni(m_dossier->path()));
        FichiersIni(m_dossier->path()).EcrireTarifCEE("Tarification", "TarifCEE20Gr", "0123456789");
        m_demandes.clear();
        ouvrir();
    }
    void cleanup() { m_form.reset(); }

    // Every text of the window and its menus, the help line over each
    // control, the Tab order.
    void apercu()
    {
        QStringList lignes = ::apercu(m_form.get());
        lignes[0] = "Form1"; // its caption is the clock
        for (const QAction *a : m_form->menuBar()->actions() + controle<QMenu>("MnuFichier")->actions()) {
            lignes << (a->menu() ? a->menu()->objectName() : a->objectName()) + " «" + a->text() + "» "
                    + a->shortcut().toString() + (a->icon().isNull() ? "" : " icône");
        }
        for (QWidget *w : m_form->findChildren<QWidget *>()) {
            if (w->window() == m_form.get() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                lignes << "aide " + w->objectName() + " «" + survoler(w) + "»";
        }
        // The Tab order, from the focus the window opens with.
        QWidget *w = QApplication::focusWidget();
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                lignes << "tabulation " + w->objectName();
        } while ((w = w->nextInFocusChain()) != QApplication::focusWidget());
        comparerApercu("Form1", lignes);
    }

    // Fixed size, minimizable, the clock, captions whole, the help line
    // wrapping. (The snapshot's order is the stacking order.)
    void disposition()
    {
        // Created, the window loads no settings dialog; shown, all four.
        Form1 cachee{FichiersIni(m_dossier->path())};
        for (const auto f : {Dialogues::Fenetre::Poids, Dialogues::Fenetre::TarifNormal,
                             Dialogues::Fenetre::TarifEcopli, Dialogues::Fenetre::TarifCEE})
            QVERIFY(!cachee.dialogues().estCharge(f) && m_form->dialogues().estCharge(f));
        QCOMPARE(m_form->centralWidget()->size(), QSize(602, 437));
        QVERIFY((m_form->geometry().center() - m_form->screen()->availableGeometry().center()).manhattanLength() < 30);
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        QCOMPARE(m_form->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowFlags(Qt::WindowMinimizeButtonHint));
        QVERIFY(!m_form->windowIcon().isNull());
        QVERIFY(controle<QTimer>("Timer1")->isActive() && controle<QRadioButton>("Option1")->isChecked());
        QCOMPARE(legendeHorloge(QDateTime(QDate(2027, 1, 1), QTime(0, 0, 5))),
                 "Ambrelot V." + texteVersion() + "         vendredi 1 janvier 2027 00:00:05");
        const QDateTime maintenant = QDateTime::currentDateTime();
        QVERIFY(m_form->windowTitle() == legendeHorloge(maintenant)
                || m_form->windowTitle() == legendeHorloge(maintenant.addSecs(-1)));
        QStringList fautes;
        for (const QLabel *l : m_form->findChildren<QLabel *>()) {
            if (!l->wordWrap() && l->fontMetrics().horizontalAdvance(l->text()) > l->width())
                fautes << l->objectName();
        }
        for (const QRadioButton *o : m_form->findChildren<QRadioButton *>()) {
            if (o->sizeHint().width() > o->width())
                fautes << o->objectName();
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(", ")));
        // A help text longer than the line wraps onto a second line.
        survoler(controle("Label13"));
        QVERIFY(controle<QLabel>("Label27")->heightForWidth(controle("Label27")->width())
                > controle("Label27")->fontMetrics().height());
    }

    // What typing leaves: the boxes take digits (the extra grams a comma too),
    // the weights digits and commas, both codes 8 to 13; anything else beeps.
    // Every field has its length limit, but a longer value from a file stands
    // whole, can shrink and not grow. Ctrl+V finds "99" to paste; Ctrl+C,
    // which opens a dialog, is with the menu's keys.
    void saisie_data()
    {
        QTest::addColumn<Frappe>("f");
        const int ctrl = Qt::ControlModifier;
        const QString fr = "Option1";
        QTest::newRow("chiffres") << Frappe{fr, "Text1", "12", 0, 0, "", "12", "38,4", "1,10 €", 0};
        QTest::newRow("quatrième chiffre") << Frappe{fr, "Text1", "1234", 0, 0, "", "123", "393,6", "3,55 €", 0};
        QTest::newRow("lettre") << Frappe{fr, "Text5", "4a", 0, 0, "", "4", "34", "1,10 €", 1};
        QTest::newRow("moins, espace") << Frappe{fr, "Text25", "- ", 0, 0, "", "", "0", "0,00 €", 2};
        QTest::newRow("virgule, point") << Frappe{fr, "Text1", "1,.5", 0, 0, "", "15", "48", "1,10 €", 2};
        QTest::newRow("000") << Frappe{fr, "Text7", "000", 0, 0, "", "000", "0", "0,00 €", 0};
        QTest::newRow("999 boîtiers de CD") << Frappe{fr, "Text23", "999", 0, 0, "", "999", "92007,9", ">>", 2};
        QTest::newRow("virgule des grammes") << Frappe{"Option2", "Text26", "1,5", 0, 0, "", "1,5", "1,5", "0,59 €", 0};
        QTest::newRow("point des grammes") << Frappe{fr, "Text26", "12.5", 0, 0, "", "12,5", "12,5", "0,66 €", 0};
        // 12345 g and 123456 g are beyond every grid: two beeps from the price.
        QTest::newRow("septième caractère des grammes")
            << Frappe{fr, "Text26", "1234567", 0, 0, "", "123456", "123456", ">>", 2};
        QTest::newRow("lettre des grammes") << Frappe{fr, "Text26", "x", 0, 0, "", "", "0", "0,00 €", 1};
        QTest::newRow("Ctrl+V") << Frappe{fr, "Text2", "12", Qt::Key_V, ctrl, "", "12", "54", "1,65 €", 1};
        // A paste takes what typing would, within the limit; a line feed inserts nothing.
        QTest::newRow("Maj+Inser des grammes")
            << Frappe{fr, "Text26", "2", Qt::Key_Insert, Qt::ShiftModifier, "", "25,0", "25", "1,10 €", 1, "-5.0\n"};
        QTest::newRow("menu Coller, quatrième chiffre")
            << Frappe{fr, "Text1", "", Qt::Key_Menu, 0, "", "123", "393,6", "3,55 €", 1, "-12345"};
        QTest::newRow("Échap") << Frappe{fr, "Text2", "12", Qt::Key_Escape, 0, "", "12", "54", "1,65 €", 1};
        QTest::newRow("Alt+Z") << Frappe{fr, "Text2", "12", Qt::Key_Z, Qt::AltModifier, "", "12", "54", "1,65 €", 1};
        QTest::newRow("touche morte") << Frappe{fr, "Text2", "1", 0, 0, "«â»", "1", "4,5", "0,66 €", 1};
        QTest::newRow("composition mêlée") << Frappe{fr, "Text26", "", 0, 0, "«1ê,x5»", "1,5", "1,5", "0,66 €", 2};
        QTest::newRow("retour arrière") << Frappe{fr, "Text2", "12", Qt::Key_Backspace, 0, "", "1", "4,5", "0,66 €", 0};
        QTest::newRow("effacé") << Frappe{fr, "Text2", "3", Qt::Key_Backspace, 0, "", "", "0", "0,00 €", 0};
        QTest::newRow("entrée") << Frappe{fr, "Text2", "12", Qt::Key_Return, 0, "", "12", "54", "1,65 €", 0};
        QTest::newRow("Début puis chiffre")
            << Frappe{fr, "Text16", "12", Qt::Key_Home, 0, "9", "912", "2280", "7,00 €", 0};
        QTest::newRow("Gauche puis retour arrière")
            << Frappe{fr, "Text2", "12", Qt::Key_Left, 0, "\b", "2", "9", "0,66 €", 0};
        QTest::newRow("sélection remplacée")
            << Frappe{fr, "Text3", "123", Qt::Key_Home, Qt::ShiftModifier, "45", "45", "337,5", "3,55 €", 0};
        QTest::newRow("poids : chiffre, virgule") << Frappe{"", "Form2 Text6", "", 0, 0, "7,", "12,57,", "", "", 0};
        QTest::newRow("poids : point, moins, lettre, espace")
            << Frappe{"", "Form2 Text6", "", 0, 0, ".-a ", "12,5,", "", "", 3};
        QTest::newRow("poids : Échap") << Frappe{"", "Form2 Text6", "", Qt::Key_Escape, 0, "", "12,5", "", "", 1};
        QTest::newRow("poids : Ctrl+Z") << Frappe{"", "Form2 Text6", "", Qt::Key_Z, ctrl, "", "12,5", "", "", 1};
        QTest::newRow("poids : entrée, tabulation")
            << Frappe{"", "Form2 Text6", "", Qt::Key_Return, 0, "\t", "12,5", "", "", 0};
        QTest::newRow("poids : neuvième caractère")
            << Frappe{"", "Form2 Text25", "12345678", 0, 0, "", "61234567", "", "", 0};
        QTest::newRow("France Rapide : neuvième caractère")
            << Frappe{"", "Form3 Text7", "1234x", 0, 0, "", "7,001234", "", "", 0};
        QTest::newRow("France Rapide : Ctrl+Z")
            << Frappe{"", "Form3 Text7", "12", Qt::Key_Z, ctrl, "", "7,00", "", "", 0};
        QTest::newRow("France Rapide : symbole sans limite")
            << Frappe{"", "Form3 Text8", "12345678x", 0, 0, "", "€12345678x", "", "", 0};
        QTest::newRow("Ecopli : neuvième caractère")
            << Frappe{"", "Form4 Text4", "56789", 0, 0, "", "2,105678", "", "", 0};
        // The keypad's decimal key, "." on French systems, types the comma where a decimal number goes.
        const int pave = Qt::KeypadModifier;
        QTest::newRow("pavé : grammes") << Frappe{fr,  "Text26", "2",   Qt::Key_Period, pave,
                                                  "8", "2,8",    "2,8", "0,66 €",       0};
        QTest::newRow("pavé : compte") << Frappe{fr, "Text1", "2", Qt::Key_Period, pave, "", "2", "6,4", "0,66 €", 1};
        QTest::newRow("pavé : poids") << Frappe{"", "Form2 Text6", "", Qt::Key_Period, pave, "", "12,5,", "", "", 0};
        QTest::newRow("pavé : prix") << Frappe{"", "Form3 Text7", "", Qt::Key_Period, pave, "5", "7,00,5", "", "", 0};
        QTest::newRow("pavé : symbole") << Frappe{"", "Form3 Text8", "", Qt::Key_Period, pave, "", "€.", "", "", 0};
        QTest::newRow("point : prix") << Frappe{"", "Form3 Text7", "", Qt::Key_Period, 0, "", "7,00.", "", "", 0};
        QTest::newRow("UE : valeur longue du fichier")
            << Frappe{"", "Form5 Text1", "5", Qt::Key_Backspace, 0, "5", "012345678", "", "", 0};
    }
    void saisie()
    {
        QFETCH(Frappe, f);
        QApplication::clipboard()->setText(f.colle);
        if (!f.option.isEmpty())
            QTest::mouseClick(controle(f.option), Qt::LeftButton);
        QString vu;
        bool ouvert = true;
        const auto frapper = [&](QLineEdit *b) {
            b->setFocus();
            b->end(false);
            QTest::keyClicks(b, f.avant);
            if (f.touche == Qt::Key_Menu) {
                QContextMenuEvent menu(QContextMenuEvent::Keyboard, {}, {});
                QApplication::sendEvent(b, &menu);
                for (QAction *a : QApplication::activePopupWidget()->actions()) {
                    if (a->text().endsWith("Ctrl+V"))
                        a->trigger();
                }
                QApplication::activePopupWidget()->close();
            } else if (f.touche)
                QTest::keyClick(b, Qt::Key(f.touche), Qt::KeyboardModifiers(f.modificateurs));
            // «Text» comes from an input method, in one commit.
            if (f.apres.startsWith(u'«')) {
                QInputMethodEvent composition({}, {});
                composition.setCommitString(f.apres.mid(1).chopped(1));
                QApplication::sendEvent(b, &composition);
            } else {
                QTest::keyClicks(b, f.apres);
            }
            vu = b->text();
        };
        const QMap<QString, QString> menus{
            {"Form2", "MnuParamètres"}, {"Form3", "MnuTarifNormale"}, {"Form4", "MnuEcopli"}, {"Form5", "MnuTarifCEE"}};
        if (f.champ.contains(' ')) {
            m_dansLeDialogue = [&](QDialog *d) {
                frapper(enfant(d, f.champ.section(' ', 1))), ouvert = d->isVisible(), d->reject();
            };
            controle<QAction>(menus[f.champ.section(' ', 0, 0)])->trigger();
        } else {
            frapper(controle<QLineEdit>(f.champ));
        }
        QCOMPARE(vu, f.attendu);
        QVERIFY(ouvert);
        QCOMPARE(m_bips->nombre, f.bips);
        if (f.total.isEmpty())
            return;
        QCOMPARE(texte("Label3"), f.total);
        QCOMPARE(texte("Label5"), f.prix);
        // The caption of a line that counts turns red, and back.
        QCOMPARE(couleur(voisin<QLabel>(controle(f.champ))),
                 f.total == "0" ? m_form->palette().color(QPalette::ButtonText) : Couleurs::Rouge);
    }

    void clics_data()
    {
        QTest::addColumn<Clic>("c");
        QTest::newRow("gauche sur vide") << Clic{"Label6", "", "G", {"0", "1"}};
        QTest::newRow("deux fois gauche") << Clic{"Label6", "", "GG", {"0", "1", "2"}};
        QTest::newRow("double clic") << Clic{"Label9", "", "2", {"0", "1", "2"}};
        QTest::newRow("droite sur 2") << Clic{"Label6", "2", "D", {"1"}};
        QTest::newRow("droite sur 1") << Clic{"Label7", "1", "D", {"0", ""}};
        QTest::newRow("droite sur vide") << Clic{"Label29", "", "D", {"0", "-1", ""}};
        QTest::newRow("milieu sur 0") << Clic{"Label6", "0", "M", {""}};
        QTest::newRow("milieu sur 7") << Clic{"Label6", "7", "M", {}};
        QTest::newRow("gauche sur 999") << Clic{"Label18", "999", "G", {"1000"}};
        // Past its limit by a click, a box takes nothing more until it is back within.
        QTest::newRow("999, puis collage et frappe") << Clic{"Label18", "999", "GC5<5<5", {"1000", "100", "10", "105"}};
        QTest::newRow("1000, effacé au milieu") << Clic{"Label18", "999", "G←←<<", {"1000", "100", "00"}};
        QTest::newRow("gauche sur 1,5") << Clic{"Label28", "1,5", "G", {"2,5"}};
        QTest::newRow("droite sur 12,5") << Clic{"Label28", "12,5", "D", {"11,5"}};
        QTest::newRow("droite sur 0,9") << Clic{"Label28", "0,9", "D", {"-0,1"}};
        QTest::newRow("droite sur 0,7") << Clic{"Label28", "0,7", "D", {"-0,3"}};
        QTest::newRow("gauche sur abc") << Clic{"Label22", "abc", "G", {""}};
        QTest::newRow("milieu sur abc") << Clic{"Label22", "abc", "M", {""}};
    }
    void clics()
    {
        QFETCH(Clic, c);
        QWidget *l = controle(c.label);
        QLineEdit *boite = voisin<QLineEdit>(l);
        boite->setText(c.avant);
        QApplication::clipboard()->setText("99");
        QSignalSpy changements(boite, &QLineEdit::textChanged);
        for (const QChar b : c.boutons) {
            if (b == u'2')
                QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {},
                                   l->mapTo(m_form.get(), l->rect().center()));
            else if (b == u'C')
                boite->paste();
            else if (b == u'<' || b == u'←' || b.isDigit())
                QTest::keyClick(boite, b == u'<' ? Qt::Key_Backspace : b == u'←' ? Qt::Key_Left : Qt::Key(b.unicode()));
            else
                QTest::mouseClick(l, b == u'G' ? Qt::LeftButton : b == u'D' ? Qt::RightButton : Qt::MiddleButton);
        }
        QStringList ecrits;
        for (const QList<QVariant> &changement : changements)
            ecrits << changement.at(0).toString();
        QCOMPARE(ecrits, c.ecrits);
    }

    // Ctrl+I from a box: the file chosen, its preview saved, the window
    // prices with the new grid at once.
    void importer()
    {
        taper(compte(1), "2");
        const QString csv = m_dossier->filePath("2027.csv");
        QVERIFY(ecrireOctets(csv, "Service;Jusqu'à (g);Prix\nFrance Rapide;20;3,60\n"));
        dansLeProchainDialogue([&](QDialog *d) {
            qobject_cast<QFileDialog *>(d)->selectFile(csv);
            d->accept();
            QTimer::singleShot(100, [] { cliquer(QApplication::activeModalWidget(), "Command1"); });
        });
        QTest::keyClick(compte(1), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(texte("Label5"), "3,60 €");
    }

    // Ecopli at 409,6 g shows ">>" with a beep; then "&RAZ" empties every
    // box and chooses France Rapide again.
    void serviceEtRaz()
    {
        taper(compte(26), "400");
        taper(compte(1), "3");
        QTest::mouseClick(controle("Option2"), Qt::LeftButton);
        controle<QAction>("MnuRaz")->trigger();
        for (int n = 1; n <= 26; ++n)
            QVERIFY(compte(n)->text().isEmpty());
        QCOMPARE(texte("Label3"), "0");
        QCOMPARE(texte("Label5"), "0,00 €");
        QVERIFY(controle<QRadioButton>("Option1")->isChecked());
        QCOMPARE(couleur(controle("Label6")), m_form->palette().color(QPalette::ButtonText));
        QCOMPARE(QApplication::focusWidget(), compte(1));
        // Emptying the first box leaves 400 g in Ecopli: one beep more.
        QCOMPARE(m_bips->nombre, 2);
    }

    // The menu's keys act while a box with a selection has the focus, which
    // keeps its text (but for "&RAZ") and the clipboard its content. Once a
    // window opened from the menu closes, the display shows what the counts
    // weigh and cost with the settings now in force, and the help line quotes
    // the unit weight now in force.
    void commandes_data()
    {
        QTest::addColumn<Commande>("c");
        const int ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        // 2 envelopes of 3,2 g and 33,6 extra grams: 40 g, 1,10 € by France Rapide.
        QTest::newRow("Alt+A") << Commande{Qt::Key_A, alt, 4, "", "", "", "40", "1,10 €", "3,2"};
        QTest::newRow("Ctrl+P, poids enregistré")
            << Commande{Qt::Key_P, ctrl, 0, "Text1", "10", "Command1", "53,6", "1,65 €", "10"};
        QTest::newRow("Ctrl+R, prix enregistré")
            << Commande{Qt::Key_R, ctrl, 1, "Text2", "9,99", "Command1", "40", "9,99 €", "3,2"};
        QTest::newRow("Ctrl+E, Ecopli enregistré")
            << Commande{Qt::Key_E, ctrl, 2, "Text2", "5,55", "Command1", "40", "1,10 €", "3,2"};
        QTest::newRow("Ctrl+C, UE annulé")
            << Commande{Qt::Key_C, ctrl, 3, "Text7", "77", "Command2", "40", "1,10 €", "3,2"};
        QTest::newRow("Alt+R") << Commande{Qt::Key_R, alt, -1, "", "", "", "0", "0,00 €", "3,2"};
        QTest::newRow("Alt+F") << Commande{Qt::Key_F, alt, -1, "", "", "", "40", "1,10 €", "3,2"};
        QTest::newRow("Ctrl+Q") << Commande{Qt::Key_Q, ctrl, -1, "", "", "", "40", "1,10 €", "3,2"};
        // Beyond the last bracket: a beep when typing gets there, none when a
        // window that changed nothing closes, one when a save gets there.
        QTest::newRow("Alt+A, au-delà") << Commande{Qt::Key_A, alt, 4, "", "", "", "4006,4", ">>", "3,2", "4000", 1};
        QTest::newRow("Ctrl+P, poids au-delà")
            << Commande{Qt::Key_P, ctrl, 0, "Text1", "9999", "Command1", "20031,6", ">>", "9999", "33,6", 1};
    }
    void commandes()
    {
        QFETCH(Commande, c);
        QApplication::clipboard()->setText("rien");
        QSignalSpy quitter(controle<QAction>("MnuQuitter"), &QAction::triggered);
        taper(compte(1), "2");
        taper(compte(26), c.grammes);
        compte(26)->selectAll();
        m_dansLeDialogue = [&](QDialog *d) {
            if (!c.champ.isEmpty()) {
                enfant(d, c.champ)->selectAll();
                QTest::keyClicks(enfant(d, c.champ), c.saisie);
            }
            c.bouton.isEmpty() ? void(d->close()) : cliquer(d, c.bouton);
        };
        QTest::keyClick(compte(26), Qt::Key(c.touche), Qt::KeyboardModifiers(c.modificateurs));
        QCOMPARE(m_demandes, c.fenetre < 0 ? QList<Dialogues::Fenetre>() : QList{Dialogues::Fenetre(c.fenetre)});
        QCOMPARE(compte(26)->text(), c.total == "0" ? "" : c.grammes);
        QCOMPARE(texte("Label3"), c.total);
        QCOMPARE(texte("Label5"), c.prix);
        QCOMPARE(quitter.count(), int(c.touche == Qt::Key_Q));
        QTRY_COMPARE(controle<QMenu>("MnuFichier")->isVisible(), c.touche == Qt::Key_F);
        controle<QMenu>("MnuFichier")->close();
        QCOMPARE(QApplication::clipboard()->text(), "rien");
        QCOMPARE(m_bips->nombre, c.bips);
        QCOMPARE(survoler(controle("Label6")),
                 "Enveloppe Blanche courante de type autocollante (Format C6). Poids " + c.unitaire + " Grammes");
    }

    // With 400 g counted and a service chosen, Ctrl+T from a box opens the
    // comparison on that service's row; there ↓ ↑ ⏎ ⎋ are keys, C and F click
    // "Choisir" and "Fermer", a digit double-clicks that row.
    void comparer_data()
    {
        QTest::addColumn<Choix>("c");
        QTest::newRow("Choisir, au-delà") << Choix{"Option1", "↓C", "Option2", ">>", 1};
        QTest::newRow("Choisir sans bouger") << Choix{"Option2", "C", "Option2", ">>", 1};
        QTest::newRow("Entrée") << Choix{"Option1", "↓↓⏎", "Option3", "6,15 €", 0};
        QTest::newRow("double clic") << Choix{"Option3", "0", "Option1", "3,55 €", 0};
        QTest::newRow("Fermer") << Choix{"Option1", "↓F", "Option1", "3,55 €", 0};
        QTest::newRow("Échap") << Choix{"Option3", "↑⎋", "Option3", "6,15 €", 0};
    }
    void comparer()
    {
        QFETCH(Choix, c);
        taper(compte(26), "400");
        QTest::mouseClick(controle(c.avant), Qt::LeftButton);
        bool resteOuvert = false;
        dansLeProchainDialogue([&](QDialog *d) {
            auto *t = enfant<QTableWidget>(d, "Grid1");
            for (const QChar g : c.gestes) {
                if (g.isDigit())
                    QTest::mouseDClick(
                        d->windowHandle(), Qt::LeftButton, {},
                        t->viewport()->mapTo(d, t->visualRect(t->model()->index(g.digitValue(), 1)).center()));
                else if (g == u'C' || g == u'F')
                    cliquer(d, g == u'C' ? "Command1" : "Command2");
                else
                    QTest::keyClick(d->focusWidget(),
                                    g == u'↓'       ? Qt::Key_Down
                                        : g == u'↑' ? Qt::Key_Up
                                        : g == u'⏎' ? Qt::Key_Return
                                                    : Qt::Key_Escape);
            }
            if ((resteOuvert = d->isVisible()))
                d->reject();
        });
        QTest::keyClick(compte(26), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!resteOuvert && controle<QRadioButton>(c.apres)->isChecked());
        QCOMPARE(texte("Label5"), c.prix);
        QCOMPARE(m_bips->nombre, c.bips);
    }

    // The comparison over the shipped files, 40 g by France Rapide: its
    // controls, the table's columns and rows (cells in bold marked), the
    // current row, the Tab order.
    void comparaison()
    {
        taper(compte(1), "2"), taper(compte(26), "33,6");
        QStringList lignes;
        dansLeProchainDialogue([&](QDialog *d) {
            lignes = ::apercu(d);
            auto *t = enfant<QTableWidget>(d, "Grid1");
            for (int c = 0; c < t->columnCount(); ++c) {
                const QTableWidgetItem *entete = t->horizontalHeaderItem(c);
                lignes << QStringLiteral("colonne «%1» %2x%3 «%4» [%5]")
                              .arg(entete->text())
                              .arg(t->columnWidth(c))
                              .arg(t->horizontalHeader()->height())
                              .arg(entete->toolTip(), entete->data(Qt::AccessibleDescriptionRole).toString());
            }
            for (int r = 0; r < t->rowCount(); ++r) {
                lignes << QStringLiteral("ligne «%1» %2x%3")
                              .arg(t->verticalHeaderItem(r)->text())
                              .arg(t->verticalHeader()->width())
                              .arg(t->rowHeight(r))
                        + (r == t->currentRow() ? " courante" : "");
                for (int c = 0; c < t->columnCount(); ++c)
                    lignes.last() += " «" + t->item(r, c)->text() + "»" + (t->item(r, c)->font().bold() ? " gras" : "");
            }
            for (QWidget *w = d->focusWidget(); w && !lignes.contains("tabulation " + w->objectName());
                 w = d->focusWidget()) {
                lignes << "tabulation " + w->objectName();
                QTest::keyClick(w, Qt::Key_Tab);
            }
            d->reject();
        });
        QTest::keyClick(compte(26), Qt::Key_T, Qt::ControlModifier);
        comparerApercu("Form7", lignes);
    }

    // One copy of the program at a time, and no start without a window. A
    // first copy, forked from this test, holds the lock, or a crash left it
    // empty or unreadable; the program started now calls the first copy
    // forward and leaves, or opens its own window and, when a live copy holds
    // the lock but does not answer, says why. Lock and socket land in the
    // account's own folder: the runtime folder when it is sound, else
    // ~/.cache/ambrelot, never the temporary folder, which others share.
    // Last, as the start-up sets the application's style and palette.
    void uneSeuleCopie_data()
    {
        QTest::addColumn<Copie>("cas");
        QTest::newRow("première copie au repos") << Copie{"privé", "au repos", false, "runtime", ""};
        QTest::newRow("première copie arrêtée") << Copie{"privé", "arrêtée", true, "runtime", "ne répond pas"};
        QTest::newRow("première copie tuée") << Copie{"privé", "tuée", true, "runtime", ""};
        QTest::newRow("première copie qui part") << Copie{"privé", "qui part", true, "runtime", ""};
        QTest::newRow("prise retirée") << Copie{"privé", "sans prise", true, "runtime", "ne répond pas"};
        QTest::newRow("verrou vide") << Copie{"privé", "verrou vide", true, "runtime", ""};
        QTest::newRow("verrou illisible") << Copie{"privé", "verrou illisible", true, "runtime", ""};
        QTest::newRow("chemin de prise trop long") << Copie{"long", "au repos", false, "runtime", ""};
        QTest::newRow("XDG_RUNTIME_DIR relatif") << Copie{"relatif", "au repos", false, "cache", ""};
        QTest::newRow("dossier d'exécution ouvert") << Copie{"ouvert", "au repos", false, "cache", ""};
        QTest::newRow("HOME absent") << Copie{"absent", "", true, "", "aucun dossier sûr pour le verrou (~/.cache"};
    }
    void uneSeuleCopie()
    {
        QFETCH(Copie, cas);
        const QString &runtime = cas.runtime, &premiere = cas.premiere, &lieu = cas.lieu, &erreur = cas.erreur;
        const bool fenetre = cas.fenetre;
        // Without HOME the account's real home would be used: only another
        // account's, as root, can be tried.
        if (runtime == "absent" && compteTeste() == geteuid())
            QSKIP("HOME absent : essayé seulement sous root, comme un autre compte");
        QTemporaryDir dossier, prive, maison, partage;
        const char *variables[] = {"XDG_RUNTIME_DIR", "HOME", "TMPDIR"};
        QByteArray avant[3];
        for (int i = 0; i < 3; ++i)
            avant[i] = qgetenv(variables[i]);
        const auto remettre = qScopeGuard([&] {
            for (int i = 0; i < 3; ++i)
                qputenv(variables[i], avant[i]);
        });
        QString xdg = prive.path();
        if (runtime == "long")
            QCOMPARE(::mkdir(QFile::encodeName(xdg += '/' + QString(100, u'x')), 0700), 0);
        if (runtime == "ouvert")
            QCOMPARE(::chmod(QFile::encodeName(xdg), 0777), 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime == "relatif" ? "relatif" : xdg));
        qputenv("HOME", QFile::encodeName(maison.path()));
        // Open to every account, as /tmp is.
        QCOMPARE(::chmod(QFile::encodeName(partage.path()), 01777), 0);
        qputenv("TMPDIR", QFile::encodeName(partage.path()));
        if (runtime == "absent")
            qunsetenv("XDG_RUNTIME_DIR"), qunsetenv("HOME");
        if (premiere.startsWith("verrou")) {
            // Old, as a crash long ago left it.
            const QString verrou = InstanceUnique::cheminDuVerrou(QCoreApplication::applicationDirPath());
            QVERIFY(ecrireOctets(verrou, premiere == "verrou vide" ? "" : "\xff\xfe\n"));
            QFile f(verrou);
            QVERIFY(f.open(QIODevice::ReadWrite)
                    && f.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        }
        int tube[2];
        QCOMPARE(pipe(tube), 0);
        pid_t copie = premiere.isEmpty() || premiere.startsWith("verrou") ? -1 : fork();
        if (copie == 0) {
            {
                InstanceUnique instance;
                char appelee = 0;
                QObject::connect(&instance, &InstanceUnique::appelee, [&] { appelee = 1; });
                if (write(tube[1], "1", 1) == 1 && premiere == "qui part")
                    QThread::msleep(200);
                else
                    for (QDeadlineTimer fin(20000); !appelee && !fin.hasExpired();)
                        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
                if (write(tube[1], &appelee, 1) == 1 && premiere != "qui part")
                    pause();
            }
            _exit(0);
        }
        const auto finir = qScopeGuard([&] {
            // Our own live child only: a pid of 0 or -1 would signal our
            // whole process group, ctest and CI included.
            if (copie > 0)
                ::kill(copie, SIGKILL), waitpid(copie, nullptr, 0);
            close(tube[0]), close(tube[1]);
        });
        char prete = 0;
        QVERIFY(copie < 0 || read(tube[0], &prete, 1) == 1);
        if (premiere == "arrêtée" || premiere == "tuée")
            QCOMPARE(::kill(copie, premiere == "tuée" ? SIGKILL : SIGSTOP), 0);
        if (premiere == "tuée") {
            QCOMPARE(waitpid(copie, nullptr, 0), copie);
            copie = -1;
        }
        if (premiere == "sans prise")
            QVERIFY(QFile::remove(InstanceUnique::cheminDeLaPrise(QCoreApplication::applicationDirPath())));

        // Looked at while a copy holds the lock: the window's, else the first.
        const QString ici = lieu == "runtime" ? xdg : maison.path() + "/.cache/ambrelot";
        const auto verrouIci = [&] { return QDir(ici).entryList({"*.lock"}).size() == 1; };
        const auto seconde = [&] {
            int sortie[2];
            QCOMPARE(pipe(sortie), 0);
            const int stderrAvant = dup(STDERR_FILENO);
            dup2(sortie[1], STDERR_FILENO), close(sortie[1]);
            bool montree = false, verrouVu = false;
            // A dark desktop leaves the design's colours: a caption's face and text.
            QApplication::setPalette(QPalette(QColor(53, 53, 53)));
            QList<QColor> couleurs;
            const int code = demarrer(*qApp, FichiersIni(dossier.path()), [&](QWidget &f) {
                const QPalette p = enfant<QLabel>(&f, "Label6")->palette();
                couleurs = {p.color(QPalette::Window), p.color(QPalette::WindowText)};
                montree = true, verrouVu = verrouIci(), QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            });
            fflush(stderr), dup2(stderrAvant, STDERR_FILENO), close(stderrAvant);
            QFile dit;
            QVERIFY(dit.open(sortie[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
            const QString texte = QString::fromLocal8Bit(dit.readAll());
            QCOMPARE(code, 0);
            QCOMPARE(montree, fenetre);
            QCOMPARE(couleurs, montree ? QList<QColor>({QColor(212, 208, 200), Qt::black}) : QList<QColor>());
            QCOMPARE(montree ? verrouVu : verrouIci(), !lieu.isEmpty());
            if (erreur.isEmpty())
                QVERIFY2(!texte.contains("Ambrelot"), qPrintable(texte));
            else
                QVERIFY2(texte.contains(QString(erreur).replace("~", QFile::decodeName(getpwuid(geteuid())->pw_dir))),
                         qPrintable(texte));
        };
        QVERIFY(runtime == "absent" ? commeCompte(seconde) : (seconde(), !QTest::currentTestFailed()));
        // The first copy came forward when this one showed nothing.
        char appelee = 0;
        QVERIFY(fenetre || (read(tube[0], &appelee, 1) == 1 && appelee));
        QCOMPARE(QDir(partage.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
