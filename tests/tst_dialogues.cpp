// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The four settings dialogs and the About box as a user and the files see
// them: what they show, when they load and unload, what "Défaut", "Annuler"
// and the save button leave in the file, what typing they refuse, and a save
// that cannot be written.

#include "outils.h"

#include "commun/traductions.h"
#include "dialogs/form8.h"

#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

using Fenetre = Dialogues::Fenetre;

// One settings dialog: its file, its price or weight fields in the order the
// file stores them, the first one's place in the file, what a failed save
// says, its currency field.
struct Cas
{
    Fenetre fenetre;
    QString nom;
    FichierReglages fichier;
    QStringList champs;
    QString section, cle, quoi, symbole = {};
};
Q_DECLARE_METATYPE(Cas)

namespace {

const QList<Cas> Tous{{Fenetre::Poids, "Form2", FichierReglages::PoidsElements,
                       [] {
                           QStringList champs;
                           for (int n = 1; n <= 25; ++n)
                               champs << QStringLiteral("Text%1").arg(n);
                           return champs;
                       }(),
                       "Env114", "Envellope114", "Les poids des éléments n'ont pas été enregistrés."},
                      {Fenetre::TarifNormal,
                       "Form3",
                       FichierReglages::TarifNormal,
                       {"Text1", "Text2", "Text3", "Text9", "Text4", "Text5", "Text6", "Text7"},
                       "Tarification",
                       "TarifN20Gr",
                       "Les tarifs France Rapide n'ont pas été enregistrés.",
                       "Text8"},
                      {Fenetre::TarifEcopli,
                       "Form4",
                       FichierReglages::TarifEcopli,
                       {"Text1", "Text2", "Text3", "Text4"},
                       "TarificationEcopli",
                       "TarifE20Gr",
                       "Les tarifs France Ecopli n'ont pas été enregistrés.",
                       "Text5"},
                      {Fenetre::TarifCEE,
                       "Form5",
                       FichierReglages::TarifCEE,
                       {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"},
                       "Tarification",
                       "TarifCEE20Gr",
                       "Les tarifs vers l'Union européenne (zone 1) n'ont pas été enregistrés.",
                       "Text9"}};

// The first field, as the main window reads it.
QString lire(Dialogues &d, const Cas &c)
{
    return c.fenetre == Fenetre::Poids ? d.poids(1) : d.prix(ServiceExpedition(int(c.fenetre) - 1), 1);
}

void poser(const Banc &banc, const Cas &c, const QString &valeur)
{
    banc.ecrire(c.fichier,
                "; à garder\r\n[" + c.section + "]\r\n" + c.cle + "=" + valeur
                    + "\r\nTarifCEE2000Gr=9,99\r\n[Date]\r\nMiseAJour=x\r\n");
}

} // namespace

class TestDialogues : public QObject
{
    Q_OBJECT

    std::unique_ptr<Bips> m_bips;

private slots:
    void initTestCase() { QVERIFY2(installerTraductionsQt(*qApp), "qtbase_fr absent (paquet qt6-translations-l10n)"); }
    void init() { m_bips = std::make_unique<Bips>(); }
    void cleanup() { m_bips.reset(); }

    // With no file, fields are empty and the caption has no stamp; "Défaut"
    // fills the fields and writes nothing until the save, which creates the
    // shipped file with a stamp. Then what the window shows (the stamp as #;
    // captions grow to their text, so sizes tell), the Tab order, and the
    // caption and fields of the two openings without a file.
    void fenetres_data()
    {
        QTest::addColumn<Cas>("c");
        for (const Cas &c : Tous)
            QTest::newRow(qPrintable(c.nom)) << c;
        QTest::newRow("Form6") << Cas{Fenetre::APropos, "Form6", {}, {}, {}, {}, {}};
    }
    void fenetres()
    {
        QFETCH(Cas, c);
        Banc banc;
        QStringList vus;
        for (const char *bouton : {"Command2", "Command1"}) {
            if (c.champs.isEmpty())
                break;
            afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
                vus << d->windowTitle() + " :";
                for (const QString &nom : c.champs)
                    vus.last() += " «" + enfant(d, nom)->text() + "»";
                cliquer(d, "Command3");
                cliquer(d, bouton);
            });
            QCOMPARE(
                sansTampon(banc.octets(c.fichier)),
                QString(bouton).endsWith('1')
                    ? attendu(QFileInfo(banc.chemin(c.fichier)).fileName()).replace("MiseAJour=\r", "MiseAJour=#\r")
                    : "");
        }
        bool ouvert = false;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            vus = apercu(d) + vus;
            vus[0] = QString::fromLatin1(sansTampon(vus[0].toLatin1()));
            for (QWidget *w = d->focusWidget(); w && QTest::qWaitForWindowActive(d) && !vus.contains(w->objectName());
                 w = d->focusWidget()) {
                vus << w->objectName();
                QTest::keyClick(w, Qt::Key_Tab);
            }
            // A click anywhere closes the About box, also on the white copy of
            // the title, which shows only along its lower right edge.
            QWidget *relief = enfant<QWidget>(d, "Label1");
            if (c.champs.isEmpty())
                QTest::mouseClick(d->windowHandle(), Qt::LeftButton, {},
                                  relief->mapTo(d, QPoint(relief->width() - 1, relief->height() - 1)));
            ouvert = d->isVisible();
            d->reject();
        });
        comparerApercu(c.nom, vus);
        QCOMPARE(ouvert, !c.champs.isEmpty());
        QVERIFY(!banc.dialogue(c.nom));
    }

    // Reading a field loads its dialog alone, hidden, from its file; showing
    // it does not read the file again; every way of closing unloads it, so the
    // next read loads the file again and only the save button keeps the edits.
    // The EU reserve value, under no bracket, goes through saves; Ecopli and
    // EU show France Rapide's symbol greyed, as its file holds it when they
    // are shown, and "Défaut" and their saves leave it alone.
    void cycle_data()
    {
        QTest::addColumn<Cas>("c");
        QTest::addColumn<QString>("fermeture");
        for (const Cas &c : Tous) {
            for (const char *f : {"Command1", "Command2", "Échap", "croix"})
                QTest::addRow("%s, %s", qPrintable(c.nom), f) << c << QString::fromUtf8(f);
        }
    }
    void cycle()
    {
        QFETCH(Cas, c);
        QFETCH(QString, fermeture);
        Banc banc;
        poser(banc, c, "1");
        QCOMPARE(lire(banc.dialogues, c), "1");
        QVERIFY(!banc.dialogue(c.nom)->isVisible());
        for (const Cas &autre : Tous)
            QCOMPARE(banc.dialogues.estCharge(autre.fenetre), autre.nom == c.nom);
        poser(banc, c, "2");
        QCOMPARE(banc.dialogues.poids(26), "0"); // Form2 loaded too: closing another leaves it loaded
        if (c.nom != "Form3")
            banc.ecrire(FichierReglages::TarifNormal, "[Symbole Monétaire]\r\nSymbole Monétaire Employé=£\r\n");
        const QByteArray normal = banc.octets(FichierReglages::TarifNormal);
        QStringList vus;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            vus << enfant(d, c.champs.first())->text();
            if (c.fenetre == Fenetre::Poids)
                cliquer(d, "Command3"); // every weight readable: the save asks nothing
            for (int i = 0; i < 2 && !c.symbole.isEmpty(); ++i) {
                vus << enfant(d, c.symbole)->text() + QString::number(enfant(d, c.symbole)->isEnabled());
                cliquer(d, "Command3");
            }
            enfant(d, c.champs.first())->selectAll();
            QTest::keyClicks(enfant(d, c.champs.first()), "9");
            if (fermeture.startsWith("Command"))
                cliquer(d, fermeture);
            else if (fermeture == "Échap")
                QTest::keyClick(enfant<QAbstractButton>(d, "Command3"), Qt::Key_Escape);
            else
                d->close();
        });
        const QStringList symboles = c.symbole.isEmpty() ? QStringList()
            : c.nom == "Form3"                           ? QStringList{"1", "€1"}
                                                         : QStringList{"£0", "£0"};
        QCOMPARE(vus, QStringList{"1"} + symboles);
        QVERIFY(!banc.dialogues.estCharge(c.fenetre) && !banc.dialogue(c.nom));
        QCOMPARE(banc.dialogues.estCharge(Fenetre::Poids), c.nom != "Form2");
        QCOMPARE(lire(banc.dialogues, c), fermeture == "Command1" ? "9" : "2");
        QCOMPARE(banc.fichiers.lire(c.fichier, c.section, u"TarifCEE2000Gr"), "9,99");
        if (c.nom != "Form3")
            QCOMPARE(banc.octets(FichierReglages::TarifNormal), normal);
    }

    // A save that cannot be written: the dialog stays open with the edits, a
    // French message says what, where and why, and the file is as it was.
    void enregistrementImpossible_data()
    {
        QTest::addColumn<Cas>("c");
        QTest::addColumn<QString>("panne");
        QTest::addColumn<QString>("raison");
        QTest::newRow("Form2, dossier à la place") << Tous[0] << "dossier"
                                                   << "un dossier porte le nom du fichier";
        QTest::newRow("Form3, fichier trop grand") << Tous[1] << "taille"
                                                   << "la taille de fichier permise est dépassée";
        QTest::newRow("Form3, symbole hors Windows-1252")
            << Tous[1] << "₹"
            << "le caractère « ₹ » ne peut pas être enregistré dans un fichier de réglages";
        QTest::newRow("Form3, symbole de 10 000 caractères")
            << Tous[1] << QString(10000, u'$') << "la valeur dépasse 254 caractères";
        QTest::newRow("Form4, dossier disparu") << Tous[2] << "disparu"
                                                << "le dossier n'existe pas";
        QTest::newRow("Form5, fichier trop grand") << Tous[3] << "taille"
                                                   << "la taille de fichier permise est dépassée";
    }
    void enregistrementImpossible()
    {
        QFETCH(Cas, c);
        QFETCH(QString, panne);
        QFETCH(QString, raison);
        Banc banc;
        if (panne == "dossier")
            QVERIFY(QDir().mkdir(banc.chemin(c.fichier)));
        else if (panne != "disparu")
            poser(banc, c, "1");
        const QByteArray avant = banc.octets(c.fichier);
        QStringList vus;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            if (c.fenetre == Fenetre::Poids)
                cliquer(d, "Command3"), enfant(d, c.champs.first())->clear();
            QTest::keyClicks(enfant(d, c.champs.first()), "4,25");
            QApplication::clipboard()->setText(panne);
            if (panne == "₹" || panne.size() > 10)
                enfant(d, "Text8")->paste();
            dansLeProchainDialogue([&](QDialog *boite) {
                auto *message = qobject_cast<QMessageBox *>(boite);
                vus << message->windowTitle() + "|" + message->text() + "|" + message->informativeText() + "|"
                        + message->buttons().first()->text();
                for (const QLabel *l : message->findChildren<QLabel *>())
                    vus << (l->textFormat() == Qt::PlainText ? "" : l->objectName());
                message->accept();
            });
            if (panne == "disparu")
                banc.dossier.remove();
            sousLimiteDeTaille(panne == "taille" ? 16 : RLIM_INFINITY, [&] { return cliquer(d, "Command1"), true; });
            vus << QString::number(d->isVisible()) << enfant(d, c.champs.first())->text();
            // Qt's own texts are in French too.
            const std::unique_ptr<QMenu> menu(enfant(d, c.champs.first())->createStandardContextMenu());
            for (const QAction *a : menu->actions())
                vus << a->text().remove(u'&').section(u'\t', 0, 0);
            cliquer(d, "Command2");
        });
        vus.removeAll(QString());
        QCOMPARE(vus,
                 QStringList({"Enregistrement impossible|" + c.quoi
                                  + QStringLiteral("|Impossible d'enregistrer « %1 » dans le dossier « %2 » : %3.")
                                        .arg(QFileInfo(banc.chemin(c.fichier)).fileName(), banc.dossier.path(), raison)
                                  + "\n\nVos saisies restent dans la fenêtre : corrigez le problème puis enregistrez "
                                    "de nouveau, ou annulez.|OK",
                              "1", "4,25", "Annuler", "Rétablir", "Couper", "Copier", "Coller", "Supprimer",
                              "Tout sélectionner"}));
        QCOMPARE(banc.octets(c.fichier), avant);
    }

    // A weight the main window cannot read would count 0 g: over the
    // defaults, the save first asks, naming each element; "Corriger" (the
    // default, Escape) goes back to the dialog with what was typed and writes
    // nothing, "Enregistrer quand même" saves the texts as they stand.
    void poidsIllisibles_data()
    {
        QTest::addColumn<QStringList>("champs");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("elements");
        QTest::newRow("A4 vide, Corriger") << QStringList{"Text14"} << ""
                                           << "Corriger"
                                           << "210 x 297 mm (A4)";
        QTest::newRow("virgules, Échap") << QStringList{"Text6", "Text24"} << ","
                                         << "Échap"
                                         << "145 x 230, Photo 150 x 100 mm";
        QTest::newRow("1,2,3, Enregistrer quand même") << QStringList{"Text24"} << "1,2,3"
                                                       << "Enregistrer quand même"
                                                       << "Photo 150 x 100 mm";
    }
    void poidsIllisibles()
    {
        QFETCH(QStringList, champs);
        QFETCH(QString, texte);
        QFETCH(QString, reponse);
        QFETCH(QString, elements);
        Banc banc;
        QStringList vus;
        bool ouvert = false;
        afficherPuis(banc.dialogues, Fenetre::Poids, [&](QDialog *d) {
            cliquer(d, "Command3");
            for (const QString &champ : champs)
                enfant(d, champ)->selectAll(), QTest::keyClicks(enfant(d, champ), texte.isEmpty() ? "\b" : texte);
            dansLeProchainDialogue([&](QDialog *boite) {
                auto *question = qobject_cast<QMessageBox *>(boite);
                QVERIFY(question);
                vus << question->text();
                QAbstractButton *choisi = nullptr;
                for (QAbstractButton *b : question->buttons()) {
                    vus << b->text() + (b == question->defaultButton() ? " (défaut)" : "")
                            + (b == question->escapeButton() ? " (Échap)" : "");
                    choisi = b->text() == reponse ? b : choisi;
                }
                choisi ? QTest::mouseClick(choisi, Qt::LeftButton) : QTest::keyClick(boite, Qt::Key_Escape);
            });
            cliquer(d, "Command1");
            vus << enfant(d, champs.first())->text();
            ouvert = d->isVisible();
            d->reject();
        });
        QCOMPARE(vus,
                 QStringList({"Poids manquant ou illisible : " + elements
                                  + ". Ces éléments compteront 0 g. Enregistrer quand même ?",
                              "Enregistrer quand même", "Corriger (défaut) (Échap)", texte}));
        QCOMPARE(ouvert, reponse != "Enregistrer quand même");
        QCOMPARE(banc.dialogues.poids(24), ouvert ? "" : texte); // no file when nothing was saved
    }

    // An import's preview: two services of a file for 2999 over the
    // defaults, the table's rows (a bold price with *); "Enregistrer" accepts.
    void form8()
    {
        Banc banc;
        std::array<GrilleTarif, 3> grilles{};
        for (const ServiceExpedition s : TousLesServices)
            Tarifs::restaurerDefauts(grilles.at(int(s)) = Tarifs::grille(s));
        const QByteArray fichier = "Service;Jusqu'à (g);Prix;Produit;En vigueur le\r\nFrance Ecopli;50;3,10;Lettre "
                                   "verte;01/01/2999\r\nFrance Ecopli;20;0,59;Lettre verte;01/01/2999\r\nVers UE (Zone "
                                   "1);20;2,25;;\r\n";
        Form8 form8("2999.csv", FichierTarifs::lire(fichier, "2999.csv").services, grilles, &banc.principale);
        QStringList vus = apercu(&form8);
        const auto *tableau = enfant<QTableWidget>(&form8, "Grid1");
        for (int l = -1; l < tableau->rowCount(); ++l) {
            vus << QString();
            for (int c = 0; c < tableau->columnCount(); ++c) {
                const QTableWidgetItem *i = l < 0 ? tableau->horizontalHeaderItem(c) : tableau->item(l, c);
                vus.last() += i->text() + (i->font().bold() ? "*|" : "|");
            }
        }
        comparerApercu("Form8", vus);
        cliquer(&form8, "Command1");
        QCOMPARE(form8.result(), QDialog::Accepted);
    }
};

QTEST_MAIN(TestDialogues)
#include "tst_dialogues.moc"
