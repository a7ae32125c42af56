// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings files: their text format rule by rule, then under attack:
// inputs fuzzing found and files no program of ours wrote (the corpus),
// things that are not files, saves that cannot be written. Reading shows what
// it can and never hangs; saving replaces only the keys it writes, or fails,
// says why and leaves the file as it was.

#include "fuzz/proprietes.h"
#include "outils.h"
#include "settings/accesfichiers.h"

#include <QDir>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Bytes, a section and a key: the value read there; or the value written
// there and the bytes after, or why the write is refused.
struct Cas
{
    QByteArray octets;
    QString section, cle, valeur;
    QByteArray apres = {};
    QString raison = {};
};
// The user's copy before a save (null: none), what stands in the way (the
// program's folder protected, the account's folder too, a copy that links
// to another file, a folder open to all or another account's, a package's
// folder, root saving in the account's folders, a link swapped in as the
// save writes), then the copy after (null: none), why the save failed, and
// what the user is told at start.
struct Compte
{
    QByteArray copie;
    QString obstacle;
    QByteArray copieApres;
    QString raison = {};
    QString avertissement = {};
};
Q_DECLARE_METATYPE(Cas)
Q_DECLARE_METATYPE(Compte)

namespace {

// A file as a user might have left it: a comment, a foreign section, blank
// lines, LF line ends here and there. All of it must outlive every save.
const QString Nouveau = QStringLiteral("réglage « nouveau »");
// A shipped settings file, with a comment and a key the program does not know.
const QByteArray Livre = "; d'origine\r\n[Tarification]\r\nInconnue=1\r\nTarifN20Gr=0,66\r\n";
const QByteArray Bashrc = "export PATH\n";
const QByteArray Depart = "; mes r\xe9glages\r\n[Perso]\nnote=garder\n\r\n[Date]\r\nMiseAJour=hier\r\n\r\n";

// Saves the file with every value `valeur`, as its dialog would.
ResultatEcriture enregistrer(FichierReglages f, const FichiersIni &fichiers, const QString &valeur)
{
    if (f == FichierReglages::PoidsElements)
        return CatalogueElements::enregistrer(fichiers, QStringList(CatalogueElements::NombreEntrees, valeur), valeur);
    GrilleTarif g = Tarifs::grille(ServiceExpedition(int(f) - 1));
    for (TrancheTarif &t : g.Tranches)
        t.Prix = valeur;
    g.ValeurReserve = g.Symbole = valeur;
    return Tarifs::enregistrer(g, fichiers, valeur);
}

QString echec(const FichiersIni &fichiers, FichierReglages f, const char *raison)
{
    return QStringLiteral("Impossible d'enregistrer « %1 » dans le dossier « %2 » : %3.")
        .arg(QFileInfo(fichiers.chemin(f)).fileName(), fichiers.repertoire(), QString::fromUtf8(raison));
}

} // namespace

class TestFichiersIni : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data()
    {
        QTest::addColumn<Cas>("c");
        const QByteArray base = "[Env114]\r\nEnvellope114=3,2\r\n";
        QTest::newRow("simple") << Cas{base, "Env114", "Envellope114", "3,2"};
        QTest::newRow("majuscule accentuée") << Cas{cp1252("[SYMBOLE MONÉTAIRE]\r\nSymbole Monétaire Employé=€\r\n"),
                                                    "Symbole Monétaire", "symbole monétaire employé", "€"};
        QTest::newRow("espaces autour") << Cas{"[ Feuille ]\r\n \tA4  =  5 \t\r\n", "Feuille", "A4", "5"};
        QTest::newRow("guillemets doubles") << Cas{"[s]\r\nk=\" 3,2 \"\r\n", "s", "k", " 3,2 "};
        QTest::newRow("guillemets simples") << Cas{"[s]\r\nk='x'\r\n", "s", "k", "x"};
        QTest::newRow("guillemets dépareillés") << Cas{"[s]\r\nk=\"x'\r\n", "s", "k", "\"x'"};
        QTest::newRow("guillemet seul") << Cas{"[s]\r\nk=\"\r\n", "s", "k", "\""};
        QTest::newRow("guillemets vides") << Cas{"[s]\r\nk=''\r\n", "s", "k", ""};
        QTest::newRow("après le premier égal") << Cas{"[s]\r\nk=a=b\r\n", "s", "k", "a=b"};
        QTest::newRow("première section gagne") << Cas{"[s]\r\na=1\r\n[t]\r\n[S]\r\nk=4\r\n", "s", "k", ""};
        QTest::newRow("première clé gagne") << Cas{"[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"};
        QTest::newRow("ligne sans égal, commentaire") << Cas{"[s]\r\nk\r\n;k=1\r\nk=2\r\n", "s", "k", "2"};
        QTest::newRow("clé hors section") << Cas{"k=1\r\n[a]\r\nk=1\r\n[s]\r\n", "s", "k", ""};
        QTest::newRow("section sans nom") << Cas{"[s]\r\n[]\r\nk=1\r\n", "s", "k", ""};
        QTest::newRow("fins LF") << Cas{"[s]\nj=0\nk=1\n", "s", "k", "1"};
        QTest::newRow("fins CR, sans fin") << Cas{"[s]\rj=0\rk=1", "s", "k", "1"};
        QTest::newRow("300 caractères") << Cas{"[s]\r\nk=" + QByteArray(300, 'x') + "\r\n", "s", "k",
                                               QString(254, u'x')};
        QTest::newRow("BOM UTF-8 en tête") << Cas{"\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", "1"};
        QTest::newRow("BOM ailleurs") << Cas{"\r\n\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "k", ""};
        QTest::newRow("octets nuls") << Cas{QByteArray("[s]\r\nk=a\0b\r\n", 12), "s", "k",
                                            QString::fromLatin1("a\0b", 3)};
    }
    void lecture()
    {
        QFETCH(Cas, c);
        QCOMPARE(FormatIni::lire(c.octets, c.section, c.cle), c.valeur);
    }

    void ecriture_data()
    {
        QTest::addColumn<Cas>("c");
        const auto ligne = [](const char *nom, const QByteArray &avant, const QString &section, const QString &valeur,
                              const QByteArray &apres) {
            QTest::newRow(nom) << Cas{avant, section, "k", valeur, apres};
        };
        ligne("fichier vide", "", "s", "3,2", "[s]\r\nk=3,2\r\n");
        ligne("clé remplacée, le reste intact", "; r\xe9glages\r\n[a]\r\nk=1\r\n\r\n[s]\r\n  K = old \r\ny=2\r\n", "s",
              "new", "; r\xe9glages\r\n[a]\r\nk=1\r\n\r\n[s]\r\nk=new\r\ny=2\r\n");
        ligne("clé après la dernière ligne non vide", "[s]\r\nx=1\r\n\r\n\r\n[t]\r\n", "s", "v",
              "[s]\r\nx=1\r\nk=v\r\n\r\n\r\n[t]\r\n");
        ligne("clé dans une section sans clé", "[s]\r\n\r\n[t]\r\n", "s", "v", "[s]\r\nk=v\r\n\r\n[t]\r\n");
        ligne("clé après une ligne sans fin", "[s]\r\nx=1", "s", "v", "[s]\r\nx=1\r\nk=v\r\n");
        ligne("section à la fin", "[s]\r\nx=1\r\n", "t", "v", "[s]\r\nx=1\r\n[t]\r\nk=v\r\n");
        ligne("section après une ligne sans fin", "[s]\r\nx=1", "t", "v", "[s]\r\nx=1\r\n[t]\r\nk=v\r\n");
        ligne("section après un CR final", "[s]\rk=1\r", "t", "v", "[s]\rk=1\r[t]\r\nk=v\r\n");
        ligne("clé après un CR final", "[s]\rk=1\r[t]\r", "t", "2", "[s]\rk=1\r[t]\rk=2\r\n");
        ligne("fins LF gardées", "[s]\nk=1\nz=0\n", "s", "2", "[s]\nk=2\nz=0\n");
        ligne("première occurrence seule", "[s]\r\nk=1\r\nk=1\r\n[S]\r\nk=1\r\n", "S", "2",
              "[s]\r\nk=2\r\nk=1\r\n[S]\r\nk=1\r\n");
        ligne("BOM gardé", "\xEF\xBB\xBF[s]\r\nk=1\r\n", "s", "2", "\xEF\xBB\xBF[s]\r\nk=2\r\n");
        ligne("valeur vide", "", "s", "", "[s]\r\nk=\r\n");
        ligne("accents sur un octet", "", "Symbole Monétaire", "05/12/2026 à 10:38",
              "[Symbole Mon\xe9taire]\r\nk=05/12/2026 \xe0 10:38\r\n");
        ligne("espaces gardés", "", "s", " \t3 ", "[s]\r\nk=\" \t3 \"\r\n");
        ligne("guillemets gardés", "", "s", "'x'", "[s]\r\nk=\"'x'\"\r\n");
        ligne("guillemet en tête, crochets", "", "s", "\"[x]", "[s]\r\nk=\"[x]\r\n");
        // Every byte but NUL, CR and LF, each one character, written back as itself.
        QByteArray octets;
        for (int octet = 1; octet < 256; ++octet)
            octets += octet == '\r' || octet == '\n' ? "" : QByteArray(1, char(octet));
        ligne("toute la page de code", "[s]\r\nk=0\r\n" + octets + "\r\n", "s",
              QStringDecoder("windows-1252").decode(octets), "[s]\r\nk=" + octets + "\r\n" + octets + "\r\n");
    }
    void ecriture()
    {
        QFETCH(Cas, c);
        QVERIFY(FormatIni::ecrire(c.octets, {{c.section, c.cle, c.valeur}}));
        QCOMPARE(c.octets, c.apres);
        QCOMPARE(FormatIni::lire(c.octets, c.section, c.cle), c.valeur);
    }

    void ecrituresRefusees_data()
    {
        QTest::addColumn<Cas>("c");
        const QString retour = "un retour à la ligne ne peut pas être enregistré";
        QTest::newRow("retour à la ligne") << Cas{{}, "s", "k", "1\r\n[x]", {}, retour};
        QTest::newRow("saut de ligne dans la clé") << Cas{{}, "s", "k\nz", "1", {}, retour};
        QTest::newRow("retour chariot dans la section") << Cas{{}, "s\r", "k", "1", {}, retour};
        QTest::newRow("roupie") << Cas{
            {}, "s", "k", "₹", {}, "le caractère « ₹ » ne peut pas être enregistré dans un fichier de réglages"};
        QTest::newRow("emoji dans la clé") << Cas{
            {}, "s", "a😀", "1", {}, "le caractère « 😀 » ne peut pas être enregistré dans un fichier de réglages"};
        QTest::newRow("clé vide") << Cas{{}, "s", " ", "1", {}, "le nom de clé est vide"};
        QTest::newRow("section vide") << Cas{{}, "", "k", "1", {}, "le nom de section est vide"};
        QTest::newRow("égal dans la clé") << Cas{{}, "s", "a=b", "1", {}, "le nom de clé « a=b » n'est pas permis"};
        QTest::newRow("clé en commentaire") << Cas{{}, "s", ";k", "1", {}, "le nom de clé « ;k » n'est pas permis"};
        QTest::newRow("clé en section") << Cas{{}, "s", "[k", "1", {}, "le nom de clé « [k » n'est pas permis"};
        QTest::newRow("255 caractères") << Cas{
            {}, "s", "k", QString(255, u'1'), {}, "la valeur dépasse 254 caractères"};
    }
    // A refused write in the middle of a batch leaves everything as it was.
    void ecrituresRefusees()
    {
        QFETCH(Cas, c);
        QByteArray contenu("[s]\r\nk=0\r\n");
        const ResultatEcriture r = FormatIni::ecrire(contenu, {{"s", "k", "1"}, {c.section, c.cle, c.valeur}});
        QCOMPARE(r.raison, c.raison);
        QCOMPARE(contenu, QByteArray("[s]\r\nk=0\r\n"));
    }

    void corpus_data()
    {
        QTest::addColumn<QByteArray>("entree");
        QTest::addColumn<bool>("nombre");
        for (const char *cible : {"fichiersini", "nombres"}) {
            const QDir dir(QStringLiteral(AMBRELOT_CORPUS "/") + QLatin1StringView(cible));
            for (const QString &nom : dir.entryList(QDir::Files))
                QTest::addRow("%s/%s", cible, qPrintable(nom)) << lireOctets(dir.filePath(nom)) << (cible[0] == 'n');
        }
    }
    void corpus()
    {
        QFETCH(QByteArray, entree);
        QFETCH(bool, nombre);
        const QString erreur = nombre ? Proprietes::verifierNombre(QString::fromUtf8(entree))
                                      : Proprietes::verifierEcriture(Proprietes::decouper(entree));
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    }

    // A pipe with no writer would block an ordinary open; /dev/zero never
    // ends. Saving puts no file in the place of what is there, and says so.
    void pasUnFichier_data()
    {
        QTest::addColumn<int>("genre");
        QTest::addColumn<qint64>("taille"); // of a regular file, sparse
        QTest::newRow("dossier") << int(S_IFDIR) << qint64(0);
        QTest::newRow("tube nommé") << int(S_IFIFO) << qint64(0);
        QTest::newRow("lien vers /dev/zero") << int(S_IFLNK) << qint64(0);
        QTest::newRow("1 Mio et un octet") << int(S_IFREG) << qint64(1 << 20) + 1;
        QTest::newRow("8 Go creux") << int(S_IFREG) << (qint64(8) << 30);
    }
    // A file too big to be settings is not read, once per load, with a line
    // on standard error.
    void pasUnFichier()
    {
        QFETCH(int, genre);
        QFETCH(qint64, taille);
        QTemporaryDir dir;
        const FichiersIni fichiers(dir.path());
        for (const FichierReglages f : TousLesFichiers) {
            const QByteArray chemin = QFile::encodeName(fichiers.chemin(f));
            QCOMPARE(genre == S_IFDIR       ? mkdir(chemin, 0700)
                         : genre == S_IFIFO ? mkfifo(chemin, 0600)
                         : genre == S_IFLNK ? symlink("/dev/zero", chemin)
                                            : !ecrireOctets(fichiers.chemin(f), "") || truncate(chemin, taille),
                     0);
            QCOMPARE(enregistrer(f, fichiers, Nouveau).raison,
                     echec(fichiers, f,
                           genre == S_IFDIR       ? "un dossier porte le nom du fichier"
                               : genre == S_IFIFO ? "ce n'est pas un fichier ordinaire"
                               : genre == S_IFLNK
                               ? "le fichier est un lien symbolique"
                               : "le fichier existant dépasse 1 Mio, ce n'est pas un fichier de réglages"));
        }
        QTest::failOnWarning(QRegularExpression("Mio"));
        for (const FichierReglages f : {CatalogueElements::Fichier, Tarifs::grilleDuSymbole().Fichier})
            if (genre == S_IFREG)
                QTest::ignoreMessage(
                    QtWarningMsg,
                    QRegularExpression(QRegularExpression::anchoredPattern(QRegularExpression::escape(
                        "Ambrelot : « " + fichiers.chemin(f)
                        + " » n'est pas lu, il dépasse 1 Mio : ce n'est pas un fichier de réglages."))));
        QCOMPARE(CatalogueElements::charger(fichiers).valeurs + QStringList(SymboleMonetaire::lire(fichiers)),
                 QStringList(CatalogueElements::NombreEntrees - 1, QString()) + QStringList({"0", ""}));
        QCOMPARE(QDir(dir.path())
                     .entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                     .size(),
                 4);
    }

    // Under a file-size limit, a save fails whole, or succeeds whole when the
    // new file just fits; nothing is left beside the file, which keeps its mode.
    void limiteDeTaille_data()
    {
        QTest::addColumn<FichierReglages>("fichier");
        QTest::addColumn<int>("marge"); // bytes beyond the new file's size; below -1000: none at all
        for (const FichierReglages f : TousLesFichiers) {
            const QByteArray nom = QFileInfo(FichiersIni(QString()).chemin(f)).fileName().toUtf8();
            QTest::addRow("%s, rien", nom.constData()) << f << -100000;
            QTest::addRow("%s, un octet de moins", nom.constData()) << f << -1;
            QTest::addRow("%s, juste assez", nom.constData()) << f << 0;
        }
    }
    void limiteDeTaille()
    {
        QFETCH(FichierReglages, fichier);
        QFETCH(int, marge);
        QTemporaryDir dir, copie;
        const FichiersIni fichiers(dir.path()), fichiersCopie(copie.path());
        QVERIFY(ecrireOctets(fichiers.chemin(fichier), Depart) && enregistrer(fichier, fichiers, "1"));
        const QByteArray avant = lireOctets(fichiers.chemin(fichier)),
                         nom = QFile::encodeName(fichiers.chemin(fichier));
        QCOMPARE(chmod(nom, 0640), 0);
        // What the save will write, from the same save into a copy.
        QVERIFY(ecrireOctets(fichiersCopie.chemin(fichier), avant) && enregistrer(fichier, fichiersCopie, Nouveau));
        const QByteArray nouveau = lireOctets(fichiersCopie.chemin(fichier));
        const ResultatEcriture r = sousLimiteDeTaille(rlim_t(std::max<qsizetype>(0, nouveau.size() + marge)),
                                                      [&] { return enregistrer(fichier, fichiers, Nouveau); });
        QCOMPARE(lireOctets(fichiers.chemin(fichier)), marge ? avant : nouveau);
        QCOMPARE(r.raison, marge ? echec(fichiers, fichier, "la taille de fichier permise est dépassée") : QString());
        QCOMPARE(QDir(dir.path()).count(), 3u);
        struct stat etat
        { };
        QVERIFY(stat(nom, &etat) == 0 && (etat.st_mode & 0777) == 0640);
    }

    // Where a save goes, as an account without privileges: the user's copy
    // when it exists, else beside the program, else a new copy of the
    // shipped file with the changes, which leaves the shipped file as it is;
    // a package's folder never. A copy that links elsewhere, or a folder that
    // another account owns or may write, is neither read nor written.
    void parCompte_data()
    {
        QTest::addColumn<Compte>("c");
        const QByteArray copie = "[Tarification]\r\nTarifN20Gr=0,80\r\n";
        const QByteArray modifie = Livre.chopped(4) + "70\r\n[Date]\r\nMiseAJour=5 \xE0 6\r\n";
        // The program's folder refuses, then the account's, for a reason.
        const QString refus = "Impossible d'enregistrer « TarifNormal.ini » dans le dossier « %1 » : ";
        const QString programme = refus.arg("$P") + "l'accès au dossier est refusé.\n" + refus.arg("$C");
        const QString ignore = "Les réglages de ce compte sont ignorés : le dossier « $C » ne peut pas les garder, car "
                               "%1.\nAmbrelot affiche à leur place les valeurs livrées avec le programme.\nPour y "
                               "remédier : %2";
        const QString pasOrdinaire = "Une partie des réglages de ce compte est ignorée : dans le dossier « $C », ces "
                                     "noms ne désignent pas des fichiers ordinaires : TarifNormal.ini.\nAmbrelot lit à "
                                     "leur place les fichiers livrés avec le programme.\nPour y remédier : "
                                     "remplacez-les par des fichiers ordinaires, ou supprimez-les.";
        QTest::newRow("copie présente") << Compte{
            copie, "", "[Tarification]\r\nTarifN20Gr=0,70\r\n[Date]\r\nMiseAJour=5 \xE0 6\r\n"};
        QTest::newRow("programme inscriptible") << Compte{{}, "", {}};
        QTest::newRow("programme protégé") << Compte{{}, "programme", modifie};
        QTest::newRow("dossier du paquet") << Compte{{}, "paquet", modifie};
        QTest::newRow("nulle part") << Compte{{}, "partout", {}, programme + "l'accès au dossier est refusé."};
        QTest::newRow("copie liée à un autre fichier")
            << Compte{"lien", "programme", Bashrc, programme + "le fichier est un lien symbolique.", pasOrdinaire};
        QTest::newRow("copie qui est un dossier")
            << Compte{"dossier", "programme", {}, programme + "un dossier porte le nom du fichier.", pasOrdinaire};
        QTest::newRow("copie devenue un lien pendant l'écriture")
            << Compte{"lien", "course", "[Tarification]\r\nTarifN20Gr=0,70\r\n", {}, pasOrdinaire};
        QTest::newRow("dossier ouvert à tous")
            << Compte{copie, "ouvert", copie, programme + "d'autres comptes peuvent écrire dans ce dossier.",
                      ignore.arg("d'autres comptes peuvent écrire dans ce dossier", "chmod 700 '$C'")};
        QTest::newRow("dossier d'un autre compte")
            << Compte{{},
                      "étranger",
                      {},
                      programme + "il appartient à un autre compte.",
                      ignore.arg("il appartient à un autre compte", "sudo chown nobody '$C'")};
        QTest::newRow("contenant ouvert à tous") << Compte{
            {},
            "contenant",
            {},
            programme + "d'autres comptes peuvent écrire dans le dossier « $H », qui le contient.",
            ignore.arg("d'autres comptes peuvent écrire dans le dossier « $H », qui le contient", "chmod 700 '$H'")};
        QTest::newRow("administrateur dans le dossier d'un compte")
            << Compte{{},
                      "administrateur",
                      {},
                      refus.arg("$C") + "le dossier « $H », où il serait créé, appartient à un autre compte."};
    }
    void parCompte()
    {
        QFETCH(Compte, c);
        const uid_t compte = compteTeste();
        const bool root = compte != geteuid();
        if ((c.obstacle == "étranger" || c.obstacle == "administrateur") && !root)
            QSKIP("sans droit d'administrateur, pas d'autre compte pour posséder le dossier");
        QTemporaryDir base(temporairePourLeCompte());
        const QString programme = base.filePath("programme"), contenant = base.filePath("compte"),
                      bashrc = base.filePath("bashrc");
        const FichiersIni fichiers(programme, contenant + "/ambrelot",
                                   c.obstacle == "paquet" || c.obstacle == "administrateur"
                                       ? DossierProgramme::DuPaquet
                                       : DossierProgramme::Modifiable);
        const QString dossier = fichiers.repertoireUtilisateur(),
                      copie = fichiers.cheminCopie(FichierReglages::TarifNormal);
        QVERIFY(QDir().mkpath(programme) && QDir().mkpath(contenant)
                && ecrireOctets(fichiers.chemin(FichierReglages::TarifNormal), Livre) && ecrireOctets(bashrc, Bashrc));
        QVERIFY((c.copie.isNull() && !QStringList{"étranger", "ouvert", "contenant"}.contains(c.obstacle))
                || QDir().mkpath(dossier));
        QVERIFY(c.copie.isNull()
                || (c.copie == "lien"          ? QFile::link(bashrc, copie)
                        : c.copie == "dossier" ? QDir().mkdir(copie)
                                               : ecrireOctets(copie, c.copie)));
        // The account owns its folders and files but the protected folders,
        // root's or, without root, read-only to the account.
        for (const QString &chemin :
             {base.path(), programme, fichiers.chemin(FichierReglages::TarifNormal), contenant, dossier, copie, bashrc})
            QVERIFY(lchown(QFile::encodeName(chemin), compte, gid_t(-1)) == 0 || !QFileInfo(chemin).exists());
        const auto proteger = [&](const QString &chemin, bool oui) {
            return !oui
                || (root ? chown(QFile::encodeName(chemin), 0, 0) : chmod(QFile::encodeName(chemin), 0555)) == 0;
        };
        QVERIFY(proteger(programme, !c.obstacle.isEmpty() && c.obstacle != "paquet"));
        QVERIFY((c.obstacle != "partout" || chmod(QFile::encodeName(contenant), 0555) == 0)
                && proteger(dossier, c.obstacle == "étranger"));
        for (const QString &ouvert :
             {c.obstacle == "ouvert" ? dossier : QString(), c.obstacle == "contenant" ? contenant : QString()})
            QVERIFY(ouvert.isEmpty() || chmod(QFile::encodeName(ouvert), 0777) == 0);
        const auto liberer = qScopeGuard(
            [&] { chmod(QFile::encodeName(programme), 0755), chmod(QFile::encodeName(contenant), 0755); });
        const auto chemins = [&](QString texte) {
            return texte.replace("$P", programme).replace("$C", dossier).replace("$H", contenant);
        };
        const auto verifier = [&] {
            QCOMPARE(fichiers.avertissementDuCompte(), chemins(c.avertissement));
            const QList<EcritureIni> ecritures{{"Tarification", "TarifN20Gr", "0,70"}, {"Date", "MiseAJour", "5 à 6"}};
            // The write step itself, as if the copy became a link after the save's check.
            const ResultatEcriture r = c.obstacle == "course"
                ? AccesFichiers::remplacer(copie, c.copieApres)
                : fichiers.ecrire(FichierReglages::TarifNormal, ecritures);
            QCOMPARE(r.raison, chemins(c.raison));
            QVERIFY(c.obstacle != "administrateur" || !QFileInfo::exists(dossier));
            QCOMPARE(fichiers.LireTarifNormal(u"Tarification", u"TarifN20Gr"), c.raison.isEmpty() ? "0,70" : "0,66");
            QCOMPARE(lireOctets(fichiers.chemin(FichierReglages::TarifNormal)),
                     c.obstacle.isEmpty() && c.copie.isNull()
                         ? Livre.chopped(4) + "70\r\n[Date]\r\nMiseAJour=5 \xE0 6\r\n"
                         : Livre);
            QCOMPARE(lireOctets(copie), c.copieApres);
            QCOMPARE(lireOctets(bashrc), Bashrc);
        };
        // Root itself in the administrator's row, as `sudo -E` runs the program.
        if (c.obstacle == "administrateur")
            verifier();
        else
            QVERIFY(commeCompte(verifier));
    }

    // A relative XDG_CONFIG_HOME names no folder: the XDG rules ignore it.
    void repertoireDuCompte()
    {
        const QByteArray avant[] = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME")};
        qputenv("HOME", "/maison");
        QStringList vus;
        for (const char *xdg : {"/ailleurs/conf", "conf", ""})
            qputenv("XDG_CONFIG_HOME", xdg), vus << FichiersIni::repertoireDuCompte();
        qputenv("HOME", avant[0]), qputenv("XDG_CONFIG_HOME", avant[1]);
        QCOMPARE(vus, QStringList({"/ailleurs/conf/ambrelot", "/maison/.config/ambrelot", "/maison/.config/ambrelot"}));
    }
};

QTEST_GUILESS_MAIN(TestFichiersIni)
#include "tst_fichiersini.moc"
