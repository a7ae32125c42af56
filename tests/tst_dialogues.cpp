// The four settings dialogs and the About box as a user and the files see
// them: when they load and unload, what they show, what "Défaut", "Annuler"
// and the save button leave in the file, what typing they refuse, and a save
// that cannot be written.

// Expected texts are spelt as plain UTF-8 literals.
#undef QT_NO_CAST_FROM_ASCII

#include "outils.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

#include <unistd.h>

namespace {

using Fenetre = Dialogues::Fenetre;

const QString CRLF = QStringLiteral("\r\n");
const QString Long300 = QString(300, u'7');

// One settings dialog, as seen from outside.
struct Cas
{
    Fenetre fenetre;
    QString nom;
    FichierIni fichier;
    QString prefixeLegende;
    QStringList champsPrix;  // the editable fields, in the order the file stores them
    QString premierEnregistrement;  // "&Défaut" then save on no file, stamp as "#"
    QString section, cle;           // one value of the file, and how the main window reads it
    std::function<QString(Dialogues &)> lire;
};

QString lignes(const QStringList &l)
{
    return l.join(CRLF) + CRLF;
}

QStringList textes(const char *prefixe, int premier, int dernier)
{
    QStringList noms;
    for (int n = premier; n <= dernier; ++n)
        noms << QString::fromLatin1(prefixe) + QString::number(n);
    return noms;
}

const QList<Cas> &cas()
{
    static const QList<Cas> tous = {
        {Fenetre::Poids, QStringLiteral("Form2"), FichierIni::PoidsElements,
         QStringLiteral("Poids des éléments: (Mise à jour le "), textes("Text", 1, 25),
         lignes({"[Env114]", "Envellope114=3,2", "[Env110]", "Envellope110=4,5", "[Env162]",
                 "Envellope162=7,5", "[Env229]", "Envellope229=14,6", "[Env130]",
                 "Envellope130=8,5", "[Env145]", "Envellope145=12,5", "[Env160]",
                 "Envellope160=15", "[Env170]", "Envellope170=16", "[Env200]",
                 "Envellope200=20,4", "[Env250]", "Envellope250=22", "[Env240]",
                 "Envellope240=25", "[Env260]", "Envellope260=29,3", "[Env280]",
                 "Envellope280=37,5", "[Feuille]", "A4=5", "A3=10", "Courrier=2,5",
                 "[RembSecSoc]", "RSS=4,4", "[DecImp]", "DI=9", "[Disquete]", "3P=19",
                 "5P=15,7", "[CDROMS]", "CDRomNue=15", "EtuiCarton=22,2",
                 "BoitierPlastique=92,1", "[Photo]", "100MM=3,6", "130MM=6", "[Date]",
                 "MiseAJour=#"}),
         "Env229", "Envellope229", [](Dialogues &d) { return d.poids(4); }},
        {Fenetre::TarifNormal, QStringLiteral("Form3"), FichierIni::TarifNormal,
         QStringLiteral("Tarification Normale: (Mise à jour le "),
         {"Text1", "Text2", "Text3", "Text9", "Text4", "Text5", "Text6", "Text7"},
         lignes({"[Tarification]", "TarifN20Gr=0,66", "TarifN50Gr=1,10", "TarifN100Gr=1,65",
                 "TarifN250Gr=2,65", "TarifN500Gr=3,55", "TarifN1000Gr=4,65",
                 "TarifN2000Gr=6,00", "TarifN3000Gr=7,00", "[Symbole Monétaire]",
                 "Symbole Monétaire Employé=€", "[Date]", "MiseAJour=#"}),
         "Tarification", "TarifN3000Gr",
         [](Dialogues &d) { return d.prix(ServiceExpedition::TarifNormal, 8); }},
        {Fenetre::TarifEcopli, QStringLiteral("Form4"), FichierIni::TarifEcopli,
         QStringLiteral("Tarif Lent (Ecopli): (Mise à jour le "), textes("Text", 1, 4),
         lignes({"[TarificationEcopli]", "TarifE20Gr=0,59", "TarifE50Gr=0,87",
                 "TarifE100Gr=1,20", "TarifE250Gr=2,10", "[Date]", "MiseAJour=#"}),
         "TarificationEcopli", "TarifE20Gr",
         [](Dialogues &d) { return d.prix(ServiceExpedition::TarifEcopli, 1); }},
        {Fenetre::TarifCEE, QStringLiteral("Form5"), FichierIni::TarifCEE,
         QStringLiteral("Tarification CEE: (Mise à jour le "), textes("Text", 1, 7),
         lignes({"[Tarification]", "TarifCEE20Gr=0,83", "TarifCEE50Gr=1,38",
                 "TarifCEE100Gr=1,85", "TarifCEE250Gr=4,15", "TarifCEE500Gr=6,15",
                 "TarifCEE1000Gr=8,80", "TarifCEE1500Gr=12,65", "TarifCEE2000Gr=", "[Date]",
                 "MiseAJour=#"}),
         "Tarification", "TarifCEE1500Gr",
         [](Dialogues &d) { return d.prix(ServiceExpedition::TarifCEE, 7); }},
    };
    return tous;
}

void ajouterLignesParDialogue()
{
    QTest::addColumn<int>("indice");
    for (int i = 0; i < cas().size(); ++i)
        QTest::newRow(qPrintable(cas().at(i).nom)) << i;
}

const QRegularExpression Tampon(QStringLiteral("^MiseAJour=(\\d\\d/\\d\\d/\\d{4} à \\d\\d:\\d\\d)\r$"),
                                QRegularExpression::MultilineOption);

// A file hand-edited the way a user might: comments, other sections and
// keys, quotes, another letter case, a period, repeated commas, an overlong
// value.
struct FichierRetouche
{
    QString contenu;
    QList<QPair<QString, QString>> champs;  // field name, text it shows
    QStringList lignesGardees;               // lines a save must keep, byte for byte
};

FichierRetouche retouche(const Cas &c)
{
    const QString commentaire = QStringLiteral("; retouché à la main");
    switch (c.fenetre) {
    case Fenetre::Poids:
        return {lignes({commentaire, "[env114]", "ENVELLOPE114 = \"3.2\"", "[Env110]",
                        "Envellope110='1,2,3'", "Remarque=à garder", "[Env162]",
                        "Envellope162=" + Long300, "[Inconnue]", "Cle=valeur"}),
                {{"Text1", "3.2"}, {"Text2", "1,2,3"}, {"Text3", Long300.left(254)}, {"Text4", ""}},
                {commentaire, "Remarque=à garder", "[Inconnue]", "Cle=valeur"}};
    case Fenetre::TarifNormal:
        return {lignes({commentaire, "[TARIFICATION]", "tarifn20gr = \"3.2\"",
                        "TarifN50Gr='1,2,3'", "TarifN100Gr=" + Long300, "Note=à garder",
                        "[symbole monétaire]", "SYMBOLE MONÉTAIRE EMPLOYÉ = 'EUR'", "[Autre]",
                        "x=y"}),
                {{"Text1", "3.2"}, {"Text2", "1,2,3"}, {"Text3", Long300.left(254)},
                 {"Text9", ""}, {"Text8", "EUR"}},
                {commentaire, "Note=à garder", "[Autre]", "x=y"}};
    case Fenetre::TarifEcopli:
        return {lignes({commentaire, "[tarificationecopli]", "TARIFE20GR = \"3.2\"",
                        "TarifE50Gr='1,2,3'", "TarifE100Gr=" + Long300, "Note=à garder"}),
                {{"Text1", "3.2"}, {"Text2", "1,2,3"}, {"Text3", Long300.left(254)}, {"Text4", ""}},
                {commentaire, "Note=à garder"}};
    case Fenetre::TarifCEE:
    case Fenetre::APropos:
        break;
    }
    return {lignes({commentaire, "[tarification]", "TARIFCEE20GR = \"3.2\"",
                    "TarifCEE50Gr='1,2,3'", "TarifCEE1500Gr=" + Long300,
                    "tarifcee2000gr = réserve gardée", "Note=à garder"}),
            {{"Text1", "3.2"}, {"Text2", "1,2,3"}, {"Text7", Long300.left(254)}, {"Text4", ""},
             {"Text8", "réserve gardée"}},
            {commentaire, "Note=à garder"}};
}

void poser(const Banc &banc, const Cas &c, const QString &valeur)
{
    banc.ecrireFichier(c.fichier, "[" + c.section + "]\r\n" + c.cle + "=" + valeur + "\r\n");
}

} // namespace

class TestDialogues : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_bips = std::make_unique<Bips>(); }
    void cleanup() { m_bips.reset(); }

    void sansFichier_data() { ajouterLignesParDialogue(); }
    void sansFichier()
    {
        QFETCH(int, indice);
        const Cas &c = cas().at(indice);
        Banc banc;
        QString legende;
        QStringList vus;
        QString texte26;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            legende = d->windowTitle();
            for (const QString &nom : c.champsPrix)
                vus << champ(d, nom)->text();
            if (c.fenetre == Fenetre::Poids)
                texte26 = champ(d, QStringLiteral("Text26"))->text();
            cliquer(d, QStringLiteral("Command2"));
        });
        QCOMPARE(legende, c.prefixeLegende + u')');
        QCOMPARE(vus, QStringList(c.champsPrix.size(), QString()));
        if (c.fenetre == Fenetre::Poids)
            QCOMPARE(texte26, QStringLiteral("0"));
        QVERIFY(!QFile::exists(banc.chemin(c.fichier)));
    }

    void defautPuisAnnuler_data() { ajouterLignesParDialogue(); }
    void defautPuisAnnuler()
    {
        QFETCH(int, indice);
        const Cas &c = cas().at(indice);
        Banc banc;
        const FichierRetouche f = retouche(c);
        banc.ecrireFichier(c.fichier, f.contenu);
        const QByteArray avant = banc.octets(c.fichier);

        QString apresDefaut;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            cliquer(d, QStringLiteral("Command3"));
            apresDefaut = champ(d, c.champsPrix.first())->text();
            cliquer(d, QStringLiteral("Command2"));
        });
        QVERIFY(!apresDefaut.isEmpty());
        QVERIFY(apresDefaut != f.champs.first().second);
        QCOMPARE(banc.octets(c.fichier), avant);

        QString rouvert;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            rouvert = champ(d, f.champs.first().first)->text();
            cliquer(d, QStringLiteral("Command2"));
        });
        QCOMPARE(rouvert, f.champs.first().second);
    }

    void defautPuisEnregistrer_data() { ajouterLignesParDialogue(); }
    void defautPuisEnregistrer()
    {
        QFETCH(int, indice);
        const Cas &c = cas().at(indice);
        Banc banc;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            cliquer(d, QStringLiteral("Command3"));
            cliquer(d, QStringLiteral("Command1"));
        });
        QVERIFY(!banc.dialogues.estCharge(c.fenetre));

        QString contenu = depuisCp1252(banc.octets(c.fichier));
        const QRegularExpressionMatch tampon = Tampon.match(contenu);
        QVERIFY2(tampon.hasMatch(), qPrintable(contenu));
        contenu.replace(tampon.capturedStart(1), tampon.capturedLength(1), QStringLiteral("#"));
        QCOMPARE(contenu, c.premierEnregistrement);
        QCOMPARE(banc.octets(c.fichier), cp1252(depuisCp1252(banc.octets(c.fichier))));

        QString legende;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            legende = d->windowTitle();
            cliquer(d, QStringLiteral("Command2"));
        });
        QCOMPARE(legende, c.prefixeLegende + tampon.captured(1) + u')');
    }

    void fichierRetouche_data() { ajouterLignesParDialogue(); }
    void fichierRetouche()
    {
        QFETCH(int, indice);
        const Cas &c = cas().at(indice);
        Banc banc;
        const FichierRetouche f = retouche(c);
        banc.ecrireFichier(c.fichier, f.contenu);

        QStringList vus;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            for (const auto &[nom, texte] : f.champs)
                vus << champ(d, nom)->text();
            cliquer(d, QStringLiteral("Command1"));
        });
        QStringList attendus;
        for (const auto &[nom, texte] : f.champs)
            attendus << texte;
        QCOMPARE(vus, attendus);

        // Saved back unchanged, and everything the program does not own kept.
        const QString apres = depuisCp1252(banc.octets(c.fichier));
        for (const QString &ligne : f.lignesGardees)
            QVERIFY2(apres.contains(ligne + CRLF), qPrintable(ligne));
        QStringList relus;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            for (const auto &[nom, texte] : f.champs)
                relus << champ(d, nom)->text();
            cliquer(d, QStringLiteral("Command2"));
        });
        QCOMPARE(relus, attendus);
    }

    void reserveCEE()
    {
        Banc banc;
        banc.ecrireFichier(FichierIni::TarifCEE,
                           lignes({"[Tarification]", "TarifCEE2000Gr=9,99", "TarifCEE1500Gr=1"}));
        QCOMPARE(banc.dialogues.valeurReserve(), QStringLiteral("9,99"));
        QCOMPARE(banc.dialogues.prix(ServiceExpedition::TarifCEE, 7), QStringLiteral("1"));
        for (int fois = 0; fois < 2; ++fois) {
            afficherPuis(banc.dialogues, Fenetre::TarifCEE, [&](QDialog *d) {
                cliquer(d, QStringLiteral("Command3"));
                QVERIFY(!champ(d, QStringLiteral("Text8"))->isVisible());
                cliquer(d, QStringLiteral("Command1"));
            });
        }
        const FichiersIni fichiers(banc.dossier.path());
        QCOMPARE(fichiers.LireTarifCEE(u"Tarification", u"TarifCEE2000Gr"), QStringLiteral("9,99"));
        QCOMPARE(fichiers.LireTarifCEE(u"Tarification", u"TarifCEE1500Gr"), QStringLiteral("12,65"));
    }

    void symboleDesAutresTarifs_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("nomChamp");
        QTest::newRow("Form4") << 2 << QStringLiteral("Text5");
        QTest::newRow("Form5") << 3 << QStringLiteral("Text9");
    }
    void symboleDesAutresTarifs()
    {
        QFETCH(int, indice);
        QFETCH(QString, nomChamp);
        const Fenetre fenetre = cas().at(indice).fenetre;
        Banc banc;
        banc.ecrireFichier(FichierIni::TarifNormal, lignes({"[Symbole Monétaire]",
                                                             "Symbole Monétaire Employé=$"}));
        cas().at(indice).lire(banc.dialogues);
        // Saved in France Rapide while the dialog waits hidden: shown at once.
        banc.ecrireFichier(FichierIni::TarifNormal, lignes({"[Symbole Monétaire]",
                                                             "Symbole Monétaire Employé=£"}));
        const QByteArray normal = banc.octets(FichierIni::TarifNormal);
        QString vu, apresDefaut;
        bool grise = false;
        afficherPuis(banc.dialogues, fenetre, [&](QDialog *d) {
            QLineEdit *symbole = champ(d, nomChamp);
            vu = symbole->text();
            grise = !symbole->isEnabled();
            cliquer(d, QStringLiteral("Command3"));
            apresDefaut = symbole->text();
            cliquer(d, QStringLiteral("Command1"));
        });
        QCOMPARE(vu, QStringLiteral("£"));
        QVERIFY(grise);
        QCOMPARE(apresDefaut, QStringLiteral("£"));
        QCOMPARE(banc.octets(FichierIni::TarifNormal), normal);
    }

    void neuviemeCaractere_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("nomChamp");
        for (int i = 0; i < cas().size(); ++i) {
            for (const QString &nom : cas().at(i).champsPrix) {
                QTest::addRow("%s %s", qPrintable(cas().at(i).nom), qPrintable(nom)) << i << nom;
            }
        }
    }
    void neuviemeCaractere()
    {
        QFETCH(int, indice);
        QFETCH(QString, nomChamp);
        Banc banc;
        QString tape, annule;
        afficherPuis(banc.dialogues, cas().at(indice).fenetre, [&](QDialog *d) {
            QLineEdit *c = champ(d, nomChamp);
            c->clear();
            QTest::keyClicks(c, QStringLiteral("12,45678"));
            QTest::keyClick(c, Qt::Key_9);
            tape = c->text();
            QTest::keyClick(c, Qt::Key_Z, Qt::ControlModifier);
            annule = c->text();
            cliquer(d, QStringLiteral("Command2"));
        });
        QCOMPARE(tape, QStringLiteral("12,45678"));
        // Ctrl+Z undoes the typing, except where the weights' filter refuses it.
        const bool poids = cas().at(indice).fenetre == Fenetre::Poids;
        QCOMPARE(annule == tape, poids);
        QCOMPARE(m_bips->nombre, poids ? 1 : 0);
    }

    // A value longer than 8 characters from the file can be shortened but
    // not lengthened.
    void valeurLongueChargee()
    {
        Banc banc;
        banc.ecrireFichier(FichierIni::TarifEcopli,
                           lignes({"[TarificationEcopli]", "TarifE20Gr=0123456789"}));
        QString apresFrappe, apresEffacement, apresRetape;
        afficherPuis(banc.dialogues, Fenetre::TarifEcopli, [&](QDialog *d) {
            QLineEdit *c = champ(d, QStringLiteral("Text1"));
            QTest::keyClick(c, Qt::Key_End);
            QTest::keyClick(c, Qt::Key_5);
            apresFrappe = c->text();
            QTest::keyClick(c, Qt::Key_Backspace);
            apresEffacement = c->text();
            QTest::keyClick(c, Qt::Key_5);
            apresRetape = c->text();
            cliquer(d, QStringLiteral("Command2"));
        });
        QCOMPARE(apresFrappe, QStringLiteral("0123456789"));
        QCOMPARE(apresEffacement, QStringLiteral("012345678"));
        QCOMPARE(apresRetape, QStringLiteral("012345678"));
    }

    void filtreForm2_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<int>("bips");
        const int aucun = Qt::NoModifier;
        QTest::newRow("chiffre") << int(Qt::Key_7) << aucun << "7" << "12,57" << 0;
        QTest::newRow("virgule") << int(Qt::Key_Comma) << aucun << "," << "12,5," << 0;
        QTest::newRow("point") << int(Qt::Key_Period) << aucun << "." << "12,5" << 1;
        QTest::newRow("moins") << int(Qt::Key_Minus) << aucun << "-" << "12,5" << 1;
        QTest::newRow("lettre") << int(Qt::Key_A) << aucun << "a" << "12,5" << 1;
        QTest::newRow("lettre accentuée") << int(Qt::Key_Eacute) << aucun << "é" << "12,5" << 1;
        QTest::newRow("espace") << int(Qt::Key_Space) << aucun << " " << "12,5" << 1;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << "12,5" << 1;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << "\x01" << "12,5" << 1;
        QTest::newRow("retour arrière") << int(Qt::Key_Backspace) << aucun << "\b" << "12," << 0;
        QTest::newRow("entrée") << int(Qt::Key_Return) << aucun << "\r" << "12,5" << 0;
        QTest::newRow("Suppr") << int(Qt::Key_Delete) << aucun << "" << "12,5" << 0;
        QTest::newRow("flèche") << int(Qt::Key_Left) << aucun << "" << "12,5" << 0;
        QTest::newRow("Début") << int(Qt::Key_Home) << aucun << "" << "12,5" << 0;
    }
    void filtreForm2()
    {
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(QString, texte);
        QFETCH(QString, attendu);
        QFETCH(int, bips);
        Banc banc;
        QApplication::clipboard()->setText(QStringLiteral("9"));
        QString vu;
        bool toujoursOuvert = false;
        afficherPuis(banc.dialogues, Fenetre::Poids, [&](QDialog *d) {
            QLineEdit *c = champ(d, QStringLiteral("Text6"));
            c->setFocus();
            QTest::keyClicks(c, QStringLiteral("12,5"));
            QTest::sendKeyEvent(QTest::Press, c, Qt::Key(touche), texte,
                                Qt::KeyboardModifiers(modificateurs));
            QTest::sendKeyEvent(QTest::Release, c, Qt::Key(touche), texte,
                                Qt::KeyboardModifiers(modificateurs));
            vu = c->text();
            toujoursOuvert = d->isVisible();
            cliquer(d, QStringLiteral("Command2"));
        });
        QCOMPARE(vu, attendu);
        QCOMPARE(m_bips->nombre, bips);
        QVERIFY(toujoursOuvert);
    }

    // Writes fail: the dialog stays open with the user's edits, a message
    // says why, and the file is as it was.
    void enregistrementImpossible_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("panne");
        QTest::addColumn<QString>("raison");
        const QList<QPair<const char *, const char *>> pannes = {
            {"dossier à la place du fichier", "un dossier porte le nom du fichier"},
            {"fichier trop grand", "la taille de fichier permise est dépassée"},
            {"dossier protégé en écriture", "l'accès au dossier est refusé"},
            {"dossier disparu", "le dossier n'existe pas"},
        };
        for (int i = 0; i < cas().size(); ++i) {
            for (const auto &[panne, raison] : pannes)
                QTest::addRow("%s, %s", qPrintable(cas().at(i).nom), panne)
                    << i << QString::fromUtf8(panne) << QString::fromUtf8(raison);
        }
        QTest::addRow("Form3, symbole hors Windows-1252")
            << 1 << QStringLiteral("symbole ₹") << QStringLiteral("« ₹ »");
        QTest::addRow("Form3, symbole de 10 000 caractères collés")
            << 1 << QStringLiteral("symbole ") + QString(10000, u'$') << QStringLiteral("254");
    }
    void enregistrementImpossible()
    {
        QFETCH(int, indice);
        QFETCH(QString, panne);
        QFETCH(QString, raison);
        const Cas &c = cas().at(indice);
        if (panne.contains(u"protégé") && geteuid() == 0)
            QSKIP("l'administrateur écrit dans tout dossier");
        Banc banc;
        const QString dossier = QDir::toNativeSeparators(banc.dossier.path());
        if (panne.startsWith(u"dossier à"))
            QVERIFY(QDir().mkdir(banc.chemin(c.fichier)));
        else if (!panne.contains(u"disparu"))
            banc.ecrireFichier(c.fichier, retouche(c).contenu);
        const QByteArray avant = banc.octets(c.fichier);

        Messages messages;
        QString garde;
        bool resteOuvert = false;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            QLineEdit *premier = champ(d, c.champsPrix.first());
            premier->selectAll();
            QTest::keyClicks(premier, QStringLiteral("4,25"));
            if (panne.startsWith(u"symbole")) {
                champ(d, QStringLiteral("Text8"))->selectAll();
                QApplication::clipboard()->setText(panne.mid(8));
                champ(d, QStringLiteral("Text8"))->paste();
            }
            messages.attendre();
            // The dialog is loaded: what happens to the folder now is what
            // the save meets.
            if (panne.contains(u"protégé"))
                QFile::setPermissions(banc.dossier.path(), QFile::ReadOwner | QFile::ExeOwner);
            if (panne.contains(u"disparu"))
                banc.dossier.remove();
            {
                std::optional<LimiteDeTaille> limite;
                if (panne.startsWith(u"fichier"))
                    limite.emplace(16);
                cliquer(d, QStringLiteral("Command1"));
            }
            QFile::setPermissions(banc.dossier.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            resteOuvert = d->isVisible();
            garde = premier->text();
            cliquer(d, QStringLiteral("Command2"));
        });
        QVERIFY(resteOuvert);
        QCOMPARE(garde, QStringLiteral("4,25"));
        QCOMPARE(messages.lus.size(), 1);
        // The message names the file, the folder and the cause.
        for (const QString &attendu : {QFileInfo(banc.chemin(c.fichier)).fileName(), dossier, raison})
            QVERIFY2(messages.lus.first().contains(attendu), qPrintable(messages.lus.first()));
        QVERIFY(messages.lus.first().contains(QStringLiteral("pas été enregistrés")));
        QCOMPARE(banc.octets(c.fichier), avant);
        QCOMPARE(QFileInfo(banc.chemin(c.fichier)).isDir(), panne.startsWith(u"dossier à"));
    }

    void ordreDeTabulation_data()
    {
        QTest::addColumn<Fenetre>("fenetre");
        QTest::addColumn<QStringList>("ordre");
        QStringList poids = textes("Text", 1, 25);
        poids << "Command1" << "Command2" << "Command3" << "Text1";
        QTest::newRow("Form2") << Fenetre::Poids << poids;
        QTest::newRow("Form3") << Fenetre::TarifNormal
                               << QStringList{"Text1", "Text2", "Text3", "Text9", "Text4",
                                              "Text5", "Text6", "Text7", "Command1", "Command2",
                                              "Command3", "Text8", "Text1"};
        QTest::newRow("Form4") << Fenetre::TarifEcopli
                               << QStringList{"Text1", "Text2", "Text3", "Text4", "Command1",
                                              "Command2", "Command3", "Text1"};
        QTest::newRow("Form5") << Fenetre::TarifCEE
                               << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5",
                                              "Text6", "Text7", "Command1", "Command2",
                                              "Command3", "Text1"};
    }
    void ordreDeTabulation()
    {
        QFETCH(Fenetre, fenetre);
        QFETCH(QStringList, ordre);
        Banc banc;
        QStringList vu;
        afficherPuis(banc.dialogues, fenetre, [&](QDialog *d) {
            if (!QTest::qWaitForWindowActive(d))
                return;
            for (int i = 0; i < ordre.size(); ++i) {
                vu << (d->focusWidget() ? d->focusWidget()->objectName() : QString());
                QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            }
            d->reject();
        });
        QCOMPARE(vu, ordre);
    }

    // Every caption shows whole in its place.
    void legendesEntieres_data() { ajouterLignesParDialogue(); }
    void legendesEntieres()
    {
        QFETCH(int, indice);
        Banc banc;
        QStringList coupees;
        afficherPuis(banc.dialogues, cas().at(indice).fenetre, [&](QDialog *d) {
            for (QLabel *l : d->findChildren<QLabel *>()) {
                if (l->fontMetrics().horizontalAdvance(l->text()) > l->width()
                    || l->fontMetrics().height() > l->height())
                    coupees << l->objectName();
            }
            for (QPushButton *b : d->findChildren<QPushButton *>()) {
                const QString legende = QString(b->text()).remove(u'&');
                if (b->fontMetrics().horizontalAdvance(legende) > b->width() - 6)
                    coupees << b->objectName();
            }
            d->reject();
        });
        QVERIFY2(coupees.isEmpty(), qPrintable(coupees.join(QStringLiteral(", "))));
    }


    void lectureChargeCache_data() { ajouterLignesParDialogue(); }
    void lectureChargeCache()
    {
        QFETCH(int, indice);
        const Cas &c = cas().at(indice);
        Banc banc;
        poser(banc, c, "3,5");
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("3,5"));
        QDialog *d = banc.dialogue(c.nom);
        QVERIFY(d);
        QVERIFY(!d->isVisible());
        for (const Cas &autre : cas())
            QCOMPARE(banc.dialogues.estCharge(autre.fenetre), autre.nom == c.nom);
    }

    void chaqueFermetureDecharge_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("fermeture");
        for (int i = 0; i < cas().size(); ++i) {
            for (const char *f : {"Command1", "Command2", "Échap", "croix"})
                QTest::addRow("%s, %s", qPrintable(cas().at(i).nom), f) << i << QString::fromUtf8(f);
        }
    }
    void chaqueFermetureDecharge()
    {
        QFETCH(int, indice);
        QFETCH(QString, fermeture);
        const Cas &c = cas().at(indice);
        Banc banc;
        poser(banc, c, "1");
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("1"));

        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            if (fermeture.startsWith(u"Command"))
                cliquer(d, fermeture);
            else if (fermeture == u"Échap")
                QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
            else
                d->close();
        });
        QVERIFY(!banc.dialogues.estCharge(c.fenetre));
        QVERIFY(!banc.dialogue(c.nom));

        // The next read loads it again from its file.
        poser(banc, c, "2");
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("2"));
        QVERIFY(banc.dialogue(c.nom));
        QVERIFY(!banc.dialogue(c.nom)->isVisible());
    }

    // A dialog already loaded is shown as it stands: its file is not read again.
    void afficherSansRecharger()
    {
        Banc banc;
        const Cas &c = cas().at(0);
        poser(banc, c, "1");
        c.lire(banc.dialogues);
        poser(banc, c, "2");
        QString vu;
        afficherPuis(banc.dialogues, c.fenetre, [&](QDialog *d) {
            vu = champ(d, "Text4")->text();
            champ(d, "Text4")->setText("9");
            cliquer(d, "Command2");
        });
        QCOMPARE(vu, QStringLiteral("1"));
        QCOMPARE(c.lire(banc.dialogues), QStringLiteral("2"));
    }

    void centreSurLaFenetrePrincipale_data()
    {
        QTest::addColumn<Fenetre>("fenetre");
        QTest::newRow("Form2") << Fenetre::Poids;
        QTest::newRow("Form3") << Fenetre::TarifNormal;
        QTest::newRow("Form4") << Fenetre::TarifEcopli;
        QTest::newRow("Form5") << Fenetre::TarifCEE;
        QTest::newRow("Form6") << Fenetre::APropos;
    }
    void centreSurLaFenetrePrincipale()
    {
        QFETCH(Fenetre, fenetre);
        Banc banc;
        // Within the offscreen screen (800 x 600), where nothing pushes the dialog aside.
        banc.principale.setGeometry(40, 30, 700, 500);
        QPoint centre;
        afficherPuis(banc.dialogues, fenetre, [&](QDialog *d) {
            centre = d->geometry().center();
            d->reject();
        });
        const QPoint ecart = centre - banc.principale.geometry().center();
        QVERIFY2(ecart.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("écart %1, %2").arg(ecart.x()).arg(ecart.y())));
    }

    void aProposSeFermeAuClic_data()
    {
        QTest::addColumn<QString>("surface");
        QTest::newRow("marge de la fenêtre") << "Form6";
        QTest::newRow("cadre") << "Frame1";
        QTest::newRow("titre") << "Label2";
        QTest::newRow("version") << "Label3";
        QTest::newRow("notice") << "Label4";
        QTest::newRow("relief hors du titre") << "Label1";
    }
    void aProposSeFermeAuClic()
    {
        QFETCH(QString, surface);
        Banc banc;
        for (int fois = 0; fois < 2; ++fois) {
            QString legende, version, notice;
            bool ferme = false;
            afficherPuis(banc.dialogues, Fenetre::APropos, [&](QDialog *d) {
                legende = d->windowTitle();
                version = d->findChild<QLabel *>("Label3")->text();
                notice = d->findChild<QLabel *>("Label4")->text();
                QPoint point;
                if (surface == u"Form6") {
                    point = QPoint(d->width() - 3, d->height() / 2);
                } else if (surface == u"Frame1") {
                    point = d->findChild<QGroupBox *>("Frame1")->geometry().topLeft() + QPoint(6, 60);
                } else {
                    QLabel *l = d->findChild<QLabel *>(surface);
                    // Label1 shows only along the title's lower right edge.
                    const QPoint local = surface == u"Label1" ? QPoint(l->width() - 1, l->height() - 1)
                                                              : l->rect().center();
                    point = l->mapTo(d, local);
                }
                QTest::mouseClick(d->windowHandle(), Qt::LeftButton, {}, point);
                ferme = !d->isVisible();
            });
            QVERIFY(ferme);
            QVERIFY(!banc.dialogues.estCharge(Fenetre::APropos));
            QVERIFY(!banc.dialogue("Form6"));
            QCOMPARE(legende, QStringLiteral("A Propos de l'Application"));
            QCOMPARE(version, QStringLiteral("Version 3.0.0"));
            QVERIFY(!notice.isEmpty());
        }
    }

private:
    std::unique_ptr<Bips> m_bips;
};

QTEST_MAIN(TestDialogues)
#include "tst_dialogues.moc"
