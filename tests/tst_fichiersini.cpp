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

#include <QStringDecoder>
#include <QTemporaryDir>

#include <sys/stat.h>

// Bytes, then the value read at key k of section s, or the value written
// there and the bytes after.
struct Cas
{
    const char *nom;
    QByteArray avant;
    QString valeur;
    QByteArray apres = {};
    QString section = "s", cle = "k";
};
// A write refused, and why.
struct Refus
{
    const char *nom;
    QString section, cle, valeur, raison;
};

// The user's folder before a save: missing, there but empty, or holding a
// copy that is a regular file or a link to another file.
enum Copie { PasDeDossier, DossierVide, CopieOrdinaire, CopieLien };
// What stands in the way, from the program's folder to the account's.
enum Obstacle {
    Aucun,
    ProgrammeProtege,
    ProgrammeEtContenantProteges,
    DossierOuvertATous,
    DossierDUnAutreCompte,
    // Root saves, as `sudo -E` runs the program, among the account's folders.
    AdministrateurChezLeCompte,
    // The copy becomes a link after the save's check: the write step alone.
    LienPendantLEcriture,
};
// The copy after the save (null: none), why the save into the account's
// folder failed, what the user is told at start; {compte} and {contenant}
// stand for the folders.
struct Compte
{
    const char *nom;
    Copie copie;
    Obstacle obstacle;
    QByteArray copieApres;
    QString raison = {};
    QString avertissement = {};
};
Q_DECLARE_METATYPE(Cas)
Q_DECLARE_METATYPE(Refus)
Q_DECLARE_METATYPE(Compte)

namespace {

const QByteArray Livre = "; d'origine\r\n[Tarification]\r\nInconnue=1\r\nTarifN20Gr=0,66\r\n";
const QByteArray Modifie = Livre.chopped(4) + "70\r\n[Date]\r\nMiseAJour=5 \xE0 6\r\n";
const QByteArray Bashrc = "export PATH\n";
const QByteArray CopieDuCompte = "[Tarification]\r\nTarifN20Gr=0,80\r\n";
const QList<EcritureIni> Ecritures{{"Tarification", "TarifN20Gr", "0,70"}, {"Date", "MiseAJour", "5 à 6"}};

QString echec(const QString &chemin, const QString &raison)
{
    return AccesFichiers::echecDansDossier(chemin, raison).raison;
}

} // namespace

class TestFichiersIni : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data()
    {
        cas<Cas>({
            {"majuscule accentuée",
             cp1252("[SYMBOLE MONÉTAIRE]\r\nSymbole Monétaire Employé=€\r\n"),
             "€",
             {},
             "Symbole Monétaire",
             "symbole monétaire employé"},
            {"espaces autour", "[ s ]\r\n \tk  =  5 \t\r\n", "5"},
            {"guillemets doubles", "[s]\r\nk=\" 3,2 \"\r\n", " 3,2 "},
            {"guillemets simples", "[s]\r\nk='x'\r\n", "x"},
            {"guillemets dépareillés", "[s]\r\nk=\"x'\r\n", "\"x'"},
            {"guillemet seul", "[s]\r\nk=\"\r\n", "\""},
            {"guillemets vides", "[s]\r\nk=''\r\n", ""},
            {"après le premier égal", "[s]\r\nk=a=b\r\n", "a=b"},
            {"première section gagne", "[s]\r\na=1\r\n[t]\r\n[S]\r\nk=4\r\n", ""},
            {"ligne sans égal, commentaire", "[s]\r\nk\r\n;k=1\r\nk=2\r\n", "2"},
            {"clé hors section", "k=1\r\n[a]\r\nk=1\r\n[s]\r\n", ""},
            {"section sans nom", "[s]\r\n[]\r\nk=1\r\n", ""},
            {"fins CR, sans fin", "[s]\rj=0\rk=1", "1"},
            {"300 caractères", "[s]\r\nk=" + QByteArray(300, 'x') + "\r\n", QString(254, u'x')},
            {"BOM ailleurs", "\r\n\xEF\xBB\xBF[s]\r\nk=1\r\n", ""},
            {"octets nuls", QByteArray("[s]\r\nk=a\0b\r\n", 12), QString::fromLatin1("a\0b", 3)},
        });
    }
    void lecture()
    {
        QFETCH(Cas, c);
        QCOMPARE(FormatIni::lire(c.avant, c.section, c.cle), c.valeur);
    }

    void ecriture_data()
    {
        // Every byte but NUL, CR and LF, each one character, written back as itself.
        QByteArray octets;
        for (int octet = 1; octet < 256; ++octet)
            octets += octet == '\r' || octet == '\n' ? "" : QByteArray(1, char(octet));
        cas<Cas>({
            {"fichier vide", "", "3,2", "[s]\r\nk=3,2\r\n"},
            {"clé remplacée, le reste intact", "; r\xe9glages\r\n[a]\r\nk=1\r\n\r\n[s]\r\n  K = old \r\ny=2\r\n", "new",
             "; r\xe9glages\r\n[a]\r\nk=1\r\n\r\n[s]\r\nk=new\r\ny=2\r\n"},
            {"clé après la dernière ligne non vide", "[s]\r\nx=1\r\n\r\n\r\n[t]\r\n", "v",
             "[s]\r\nx=1\r\nk=v\r\n\r\n\r\n[t]\r\n"},
            {"clé dans une section sans clé", "[s]\r\n\r\n[t]\r\n", "v", "[s]\r\nk=v\r\n\r\n[t]\r\n"},
            {"clé après une ligne sans fin", "[s]\r\nx=1", "v", "[s]\r\nx=1\r\nk=v\r\n"},
            {"première occurrence seule", "[S]\r\nk=1\r\nk=1\r\n[s]\r\nk=1\r\n", "2",
             "[S]\r\nk=2\r\nk=1\r\n[s]\r\nk=1\r\n"},
            {"BOM gardé", "\xEF\xBB\xBF[s]\r\nk=1\r\n", "2", "\xEF\xBB\xBF[s]\r\nk=2\r\n"},
            {"guillemet en tête, crochets", "", "\"[x]", "[s]\r\nk=\"[x]\r\n"},
            {"254 caractères", "", QString(254, u'1'), "[s]\r\nk=" + QByteArray(254, '1') + "\r\n"},
            {"toute la page de code", "[s]\r\nk=0\r\n" + octets + "\r\n", QStringDecoder("windows-1252").decode(octets),
             "[s]\r\nk=" + octets + "\r\n" + octets + "\r\n"},
        });
    }
    void ecriture()
    {
        QFETCH(Cas, c);
        QVERIFY(FormatIni::ecrire(c.avant, {{c.section, c.cle, c.valeur}}));
        QCOMPARE(c.avant, c.apres);
    }

    void ecrituresRefusees_data()
    {
        const QString retour = "un retour à la ligne ne peut pas être enregistré";
        cas<Refus>({
            {"retour à la ligne", "s", "k", "1\r\n[x]", retour},
            {"retour chariot dans la section", "s\r", "k", "1", retour},
            {"roupie", "s", "k", "₹", "le caractère « ₹ » ne peut pas être enregistré dans un fichier de réglages"},
            {"clé vide", "s", " ", "1", "le nom de clé est vide"},
            {"section vide", "", "k", "1", "le nom de section est vide"},
            {"égal dans la clé", "s", "a=b", "1", "le nom de clé « a=b » n'est pas permis"},
            {"clé en commentaire", "s", ";k", "1", "le nom de clé « ;k » n'est pas permis"},
            {"255 caractères", "s", "k", QString(255, u'1'), "la valeur dépasse 254 caractères"},
        });
    }
    // A refused write in the middle of a batch leaves everything as it was.
    void ecrituresRefusees()
    {
        QFETCH(Refus, c);
        QByteArray contenu("[s]\r\nk=0\r\n");
        QCOMPARE(FormatIni::ecrire(contenu, {{"s", "k", "1"}, {c.section, c.cle, c.valeur}}).raison, c.raison);
        QCOMPARE(contenu, QByteArray("[s]\r\nk=0\r\n"));
    }

    void corpus_data()
    {
        QTest::addColumn<QString>("chemin");
        for (const QString cible : {"fichiersini", "nombres"}) {
            for (const QFileInfo &f : QDir(AMBRELOT_CORPUS "/" + cible).entryInfoList(QDir::Files))
                QTest::newRow(qPrintable(cible + '/' + f.fileName())) << f.filePath();
        }
    }
    void corpus()
    {
        QFETCH(QString, chemin);
        const QByteArray entree = lireOctets(chemin);
        QCOMPARE(chemin.contains("/nombres/") ? Proprietes::verifierNombre(QString::fromUtf8(entree))
                                              : Proprietes::verifierEcriture(Proprietes::decouper(entree)),
                 QString());
    }

    // A pipe with no writer would block an ordinary open; a file too big to
    // be settings, sparse here, is not read, once per load, with a line on
    // standard error. Saving puts no file in the place of either, and says why.
    void pasUnFichier_data()
    {
        QTest::addColumn<bool>("tube");
        QTest::addColumn<QString>("raison");
        QTest::newRow("tube nommé") << true << "ce n'est pas un fichier ordinaire";
        QTest::newRow("1 Mio et un octet")
            << false << "le fichier existant dépasse 1 Mio, ce n'est pas un fichier de réglages";
    }
    void pasUnFichier()
    {
        QFETCH(bool, tube);
        QFETCH(QString, raison);
        QTemporaryDir dir;
        const FichiersIni fichiers(dir.path());
        QTest::failOnWarning(QRegularExpression("Mio"));
        const QString chemin = fichiers.chemin(CatalogueElements::Fichier);
        const QByteArray nom = QFile::encodeName(chemin);
        QCOMPARE(tube ? mkfifo(nom, 0600) : !ecrireOctets(chemin, "") || truncate(nom, AccesFichiers::TailleMax + 1),
                 0);
        QCOMPARE(fichiers.ecrire(CatalogueElements::Fichier, "s", "k", "1").raison, echec(chemin, raison));
        if (!tube)
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable("Ambrelot : « " + chemin
                                            + " » n'est pas lu, il dépasse 1 Mio : ce n'est pas un "
                                              "fichier de réglages."));
        QCOMPARE(CatalogueElements::charger(fichiers).valeurs,
                 QStringList(CatalogueElements::NombreEntrees - 1, QString()) << "0");
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 1);
    }

    // Where a save goes, as an account without privileges: the user's copy
    // when it exists, else beside the program, else a new copy of the
    // shipped file with the changes, which leaves the shipped file as it is;
    // a package's folder never. A copy that links elsewhere, or a folder that
    // another account owns or may write, is neither read nor written.
    void parCompte_data()
    {
        const QString ignore = "Les réglages de ce compte sont ignorés : le dossier « {compte} » ne peut pas les "
                               "garder, car %1.\nAmbrelot affiche à leur place les valeurs livrées avec le "
                               "programme.\nPour y remédier : %2";
        const QString pasOrdinaire = "Une partie des réglages de ce compte est ignorée : dans le dossier « {compte} », "
                                     "ces noms ne désignent pas des fichiers ordinaires : TarifNormal.ini.\nAmbrelot "
                                     "lit à leur place les fichiers livrés avec le programme.\nPour y remédier : "
                                     "remplacez-les par des fichiers ordinaires, ou supprimez-les.";
        const QString ouvert = "d'autres comptes peuvent écrire dans ce dossier",
                      etranger = "il appartient à un autre compte";
        cas<Compte>({
            {"copie présente", CopieOrdinaire, Aucun,
             "[Tarification]\r\nTarifN20Gr=0,70\r\n[Date]\r\nMiseAJour=5 \xE0 6\r\n"},
            {"programme inscriptible", PasDeDossier, Aucun, {}},
            {"programme protégé", PasDeDossier, ProgrammeProtege, Modifie},
            {"nulle part", PasDeDossier, ProgrammeEtContenantProteges, {}, "l'accès au dossier est refusé"},
            {"copie liée à un autre fichier", CopieLien, ProgrammeProtege, Bashrc, "le fichier est un lien symbolique",
             pasOrdinaire},
            {"copie devenue un lien pendant l'écriture",
             CopieLien,
             LienPendantLEcriture,
             "[Tarification]\r\nTarifN20Gr=0,70\r\n",
             {},
             pasOrdinaire},
            {"dossier ouvert à tous", CopieOrdinaire, DossierOuvertATous, CopieDuCompte, ouvert,
             ignore.arg(ouvert, "chmod 700 '{compte}'")},
            {"dossier d'un autre compte",
             DossierVide,
             DossierDUnAutreCompte,
             {},
             etranger,
             ignore.arg(etranger, "sudo chown nobody '{compte}'")},
            {"administrateur dans le dossier d'un compte",
             PasDeDossier,
             AdministrateurChezLeCompte,
             {},
             "le dossier « {contenant} », où il serait créé, appartient à un autre compte"},
        });
    }
    void parCompte()
    {
        QFETCH(Compte, c);
        const uid_t compte = compteTeste();
        if ((c.obstacle == DossierDUnAutreCompte || c.obstacle == AdministrateurChezLeCompte) && compte == geteuid())
            QSKIP("sans droit d'administrateur, pas d'autre compte pour posséder le dossier");
        QTemporaryDir base(temporairePourLeCompte());
        const QString programme = base.filePath("programme"), contenant = base.filePath("compte"),
                      bashrc = base.filePath("bashrc");
        const FichiersIni fichiers(programme, contenant + "/ambrelot",
                                   c.obstacle == AdministrateurChezLeCompte ? DossierProgramme::DuPaquet
                                                                            : DossierProgramme::Modifiable);
        const QString dossier = fichiers.repertoireUtilisateur(), livre = fichiers.chemin(FichierReglages::TarifNormal),
                      copie = fichiers.cheminCopie(FichierReglages::TarifNormal);
        const auto droits
            = [](const QString &chemin, mode_t mode) { return chmod(QFile::encodeName(chemin), mode) == 0; };
        // The account makes its folders and files; only root can give one away.
        const auto preparer = [&] {
            QVERIFY(QDir().mkpath(programme) && QDir().mkpath(contenant) && ecrireOctets(livre, Livre)
                    && ecrireOctets(bashrc, Bashrc) && (c.copie == PasDeDossier || QDir().mkpath(dossier)));
            QVERIFY(c.copie == CopieLien ? QFile::link(bashrc, copie)
                                         : c.copie != CopieOrdinaire || ecrireOctets(copie, CopieDuCompte));
            QVERIFY(c.obstacle == Aucun || droits(programme, 0555));
            QVERIFY(c.obstacle != ProgrammeEtContenantProteges || droits(contenant, 0555));
            QVERIFY(c.obstacle != DossierOuvertATous || droits(dossier, 0777));
        };
        QVERIFY(chown(QFile::encodeName(base.path()), compte, gid_t(-1)) == 0 && commeCompte(preparer)
                && (c.obstacle != DossierDUnAutreCompte || chown(QFile::encodeName(dossier), 0, 0) == 0));
        const auto liberer = qScopeGuard([&] { droits(programme, 0755), droits(contenant, 0755); });
        const auto chemins
            = [&](QString texte) { return texte.replace("{compte}", dossier).replace("{contenant}", contenant); };
        const auto verifier = [&] {
            QCOMPARE(fichiers.avertissementDuCompte(), chemins(c.avertissement));
            const ResultatEcriture r = c.obstacle == LienPendantLEcriture
                ? AccesFichiers::remplacer(copie, c.copieApres)
                : fichiers.ecrire(FichierReglages::TarifNormal, Ecritures);
            QCOMPARE(r.raison,
                     c.raison.isEmpty() ? QString()
                                        : (c.obstacle == AdministrateurChezLeCompte
                                               ? QString()
                                               : echec(livre, "l'accès au dossier est refusé") + '\n')
                             + echec(copie, chemins(c.raison)));
            QCOMPARE(fichiers.LireTarifNormal(u"Tarification", u"TarifN20Gr"), c.raison.isEmpty() ? "0,70" : "0,66");
            QCOMPARE(lireOctets(livre), c.obstacle == Aucun && c.copie == PasDeDossier ? Modifie : Livre);
            QCOMPARE(lireOctets(copie), c.copieApres);
            QCOMPARE(lireOctets(bashrc), Bashrc);
        };
        // Root itself in the administrator's row, as `sudo -E` runs the program.
        if (c.obstacle == AdministrateurChezLeCompte)
            verifier();
        else
            QVERIFY(commeCompte(verifier));
    }

    // A relative XDG_CONFIG_HOME names no folder: the XDG rules ignore it.
    // Last, as it leaves the variable set.
    void repertoireDuCompte()
    {
        qputenv("XDG_CONFIG_HOME", "conf");
        QCOMPARE(FichiersIni::repertoireDuCompte(), QDir::homePath() + "/.config/ambrelot");
        qputenv("XDG_CONFIG_HOME", "/ailleurs/conf");
        QCOMPARE(FichiersIni::repertoireDuCompte(), "/ailleurs/conf/ambrelot");
    }
};

QTEST_GUILESS_MAIN(TestFichiersIni)
#include "tst_fichiersini.moc"
