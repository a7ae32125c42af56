// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The four settings dialogs and the About box as a user and the files see
// them: what they show, when they load and unload, what "Défaut", "Annuler"
// and the save button leave in the file, what typing they refuse, and a save
// that cannot be written.

#include "outils.h"

#include "commun/traductions.h"
#include "dialogs/dialogues.h"
#include "dialogs/form8.h"

#include <QMessageBox>
#include <QPushButton>

using Fenetre = Dialogues::Fenetre;

namespace {

// The settings dialogs, in the order of their files in TousLesFichiers.
constexpr Fenetre Reglages[] = {Fenetre::Poids, Fenetre::TarifNormal, Fenetre::TarifEcopli, Fenetre::TarifCEE};

// An update stamp, in a caption or a file.
const QRegularExpression Tampon("\\d\\d/[^)\r]*");

QString nom(Fenetre f) { return "Form" + QString::number(int(f) + 2); }
ServiceExpedition service(Fenetre f) { return ServiceExpedition(int(f) - 1); }

// A settings folder and the dialogs over a stand-in main window.
struct Banc
{
    QTemporaryDir dossier;
    FichiersIni fichiers{dossier.path()};
    QWidget principale;
    Dialogues dialogues{fichiers, &principale};
    Fenetre f;

    explicit Banc(Fenetre fenetre) : f(fenetre) { principale.show(); }
    QString chemin() const { return fichiers.chemin(TousLesFichiers[int(f)]); }
    QByteArray defauts() const { return attendu(QFileInfo(chemin()).fileName()); }
    // The first field in its file, and the EU reserve value.
    void poser(const QByteArray &valeur) const
    {
        ecrireOctets(chemin(), defauts().left(defauts().indexOf('=') + 1) + valeur + "\r\nTarifCEE2000Gr=9,99\r\n");
    }
    // The first field, through the main window's reader.
    QString premier() { return f == Fenetre::Poids ? dialogues.poids(1) : dialogues.prix(service(f), 1); }
    // Shows the window as the menu does and runs `action` in it; closes what
    // the action leaves open, a failed check among it, so that nothing hangs.
    void afficherPuis(const std::function<void(QDialog *)> &action)
    {
        dansLeProchainDialogue([action](QDialog *d) {
            action(d);
            if (d->isVisible())
                d->reject();
        });
        dialogues.afficher(f);
    }
};

} // namespace

class TestDialogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(installerTraductionsQt(*qApp), "qtbase_fr absent (paquet qt6-translations-l10n)");
        QCOMPARE(QLineEdit::tr("Select All"), "Tout sélectionner");
    }

    // With no file, fields are empty and the caption has no stamp; "Défaut"
    // fills the fields and writes nothing until the save, which creates the
    // shipped file with a stamp. Then what the window shows (the stamp as #;
    // captions grow to their text, so sizes tell), the Tab order, and the
    // caption and fields of the two openings without a file.
    void fenetres_data()
    {
        QTest::addColumn<Fenetre>("f");
        for (const Fenetre f :
             {Fenetre::Poids, Fenetre::TarifNormal, Fenetre::TarifEcopli, Fenetre::TarifCEE, Fenetre::APropos})
            QTest::newRow(qPrintable(nom(f))) << f;
    }
    void fenetres()
    {
        QFETCH(Fenetre, f);
        Banc banc(f);
        QStringList vus;
        for (const char *bouton : {"Command2", "Command1"}) {
            if (f == Fenetre::APropos)
                break;
            banc.afficherPuis([&](QDialog *d) {
                vus << d->windowTitle() + " : «" + banc.premier() + "»";
                cliquer(d, "Command3");
                cliquer(d, bouton);
            });
            QCOMPARE(QString::fromLatin1(lireOctets(banc.chemin())).replace(Tampon, ""),
                     QString::fromLatin1(bouton[7] == '1' ? banc.defauts() : ""));
        }
        bool ouvert = false;
        banc.afficherPuis([&](QDialog *d) {
            vus = apercu(d) + vus + tabulations(d);
            vus[0].replace(Tampon, "#");
            // A click anywhere closes the About box, also on the white copy of
            // the title, which shows only along its lower right edge.
            const QWidget *relief = enfant<QWidget>(d, "Label1");
            if (f == Fenetre::APropos)
                QTest::mouseClick(d->windowHandle(), Qt::LeftButton, {},
                                  relief->mapTo(d, QPoint(relief->width() - 1, relief->height() - 1)));
            ouvert = d->isVisible();
        });
        comparerApercu(nom(f), vus);
        QCOMPARE(ouvert, f != Fenetre::APropos);
        QVERIFY(!banc.principale.findChild<QDialog *>());
    }

    // Reading a field loads its dialog from its file; showing it does not
    // read the file again; every way of closing unloads it, so the next read
    // loads the file again and only the save button keeps the edits.
    // The EU reserve value, under no bracket, goes through saves; Ecopli and
    // EU show France Rapide's symbol greyed, as its file holds it when they
    // are shown, and "Défaut" and their saves leave it alone; France Rapide's
    // "Défaut" gives "€".
    void cycle_data()
    {
        QTest::addColumn<Fenetre>("f");
        QTest::addColumn<QString>("fermeture");
        for (const Fenetre f : Reglages)
            for (const char *fermeture : {"Command1", "Command2", "Échap", "croix"})
                QTest::addRow("%s, %s", qPrintable(nom(f)), fermeture) << f << QString(fermeture);
    }
    void cycle()
    {
        QFETCH(Fenetre, f);
        QFETCH(QString, fermeture);
        Banc banc(f);
        banc.poser("1");
        QCOMPARE(banc.premier(), "1");
        banc.poser("2");
        const bool porteSymbole = f == Fenetre::TarifNormal;
        if (!porteSymbole)
            ecrireOctets(banc.fichiers.chemin(FichierReglages::TarifNormal),
                         cp1252("[Symbole Monétaire]\r\nSymbole Monétaire Employé=£\r\n"));
        const QByteArray normal = lireOctets(banc.fichiers.chemin(FichierReglages::TarifNormal));
        QStringList vus;
        banc.afficherPuis([&](QDialog *d) {
            auto *champ = enfant(d, "Text1");
            vus << champ->text();
            const auto *symbole = d->findChild<QLineEdit *>(QStringList{"", "Text8", "Text5", "Text9"}[int(f)]);
            cliquer(d, "Command3"); // every weight readable: the save asks nothing
            if (symbole)
                vus << symbole->text() + (symbole->isEnabled() ? " modifiable" : "");
            champ->selectAll();
            QTest::keyClicks(champ, "9");
            if (fermeture.startsWith("Command"))
                cliquer(d, fermeture);
            else if (fermeture == "Échap")
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
        });
        const QString symbole = porteSymbole ? "€ modifiable" : "£";
        QCOMPARE(vus, (f == Fenetre::Poids ? QStringList{"1"} : QStringList{"1", symbole}));
        QCOMPARE(banc.premier(), fermeture == "Command1" ? "9" : "2");
        if (f == Fenetre::TarifCEE)
            QCOMPARE(banc.dialogues.valeurReserve(), "9,99");
        if (!porteSymbole)
            QCOMPARE(lireOctets(banc.fichiers.chemin(FichierReglages::TarifNormal)), normal);
    }

    // A save that cannot be written, a folder in the file's place: the dialog
    // stays open with the edits and says what and why in plain text.
    void enregistrementImpossible()
    {
        Banc banc(Fenetre::TarifNormal);
        QVERIFY(QDir().mkdir(banc.chemin()));
        QStringList vus;
        banc.afficherPuis([&](QDialog *d) {
            enfant(d, "Text1")->setText("4,25");
            dansLeProchainDialogue([&](QDialog *boite) {
                boite->accept();
                auto *message = qobject_cast<QMessageBox *>(boite);
                vus << message->text();
                QVERIFY(message->informativeText().contains("un dossier porte le nom du fichier"));
                for (const QLabel *l : message->findChildren<QLabel *>())
                    QCOMPARE(l->textFormat(), Qt::PlainText);
            });
            cliquer(d, "Command1");
            vus << QString::number(d->isVisible()) << enfant(d, "Text1")->text();
        });
        QCOMPARE(vus, QStringList({"Les tarifs France Rapide n'ont pas été enregistrés.", "1", "4,25"}));
    }

    // A weight the main window cannot read would count 0 g: the save first
    // asks, naming each element; Escape ("Corriger", the default) goes back
    // to the dialog and writes nothing, "Enregistrer quand même" saves the
    // texts as they stand.
    void poidsIllisibles()
    {
        Banc banc(Fenetre::Poids);
        QStringList vus;
        banc.afficherPuis([&](QDialog *d) {
            cliquer(d, "Command3");
            enfant(d, "Text14")->clear();
            enfant(d, "Text6")->setText("1,2,3");
            for (const bool corriger : {true, false}) {
                dansLeProchainDialogue([&](QDialog *boite) {
                    auto *question = qobject_cast<QMessageBox *>(boite);
                    vus << question->text();
                    for (QAbstractButton *b : question->buttons()) {
                        vus << b->text() + (b == question->defaultButton() ? " (défaut)" : "")
                                + (b == question->escapeButton() ? " (Échap)" : "");
                        if (!corriger && b != question->escapeButton())
                            QTest::mouseClick(b, Qt::LeftButton);
                    }
                    if (corriger)
                        QTest::keyClick(boite, Qt::Key_Escape);
                });
                cliquer(d, "Command1");
                vus << QString::number(d->isVisible()) + QString::number(QFile::exists(banc.chemin()));
            }
        });
        const QStringList question{
            "Poids manquant ou illisible : 145 x 230, 210 x 297 mm (A4). Ces éléments compteront 0 g. Enregistrer "
            "quand même ?",
            "Enregistrer quand même", "Corriger (défaut) (Échap)"};
        QCOMPARE(vus, question + QStringList{"10"} + question + QStringList{"01"});
        QCOMPARE(banc.dialogues.poids(6), "1,2,3");
    }

    // An import's preview: two services of a file for 2999 over the
    // defaults; "Enregistrer" accepts.
    void form8()
    {
        QWidget principale;
        const QByteArray fichier = "Service;Jusqu'à (g);Prix;Produit;En vigueur le\r\nFrance Ecopli;50;3,10;Lettre "
                                   "verte;01/01/2999\r\nFrance Ecopli;20;0,59;Lettre verte;01/01/2999\r\nVers UE (Zone "
                                   "1);20;2,25;;\r\n";
        Form8 form8("2999.csv", FichierTarifs::lire(fichier, "2999.csv").services, grillesParDefaut(), &principale);
        comparerApercu("Form8", apercu(&form8));
        cliquer(&form8, "Command1");
        QCOMPARE(form8.result(), QDialog::Accepted);
    }
};

QTEST_MAIN(TestDialogues)
#include "tst_dialogues.moc"
