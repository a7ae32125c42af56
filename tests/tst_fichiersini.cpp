// The text format of the settings files, rule by rule. Failed writes are in
// tst_pannes, files no program wrote in tst_fichiershostiles.

#include "outils.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestFichiersIni : public QObject
{
    Q_OBJECT

private slots:
    void lecture_data();
    void lecture();
    void ecriture_data();
    void ecriture();
    void relectureDeCeQuiEstEcrit_data();
    void relectureDeCeQuiEstEcrit();
    void ecrituresRefusees_data();
    void ecrituresRefusees();
    void touteLaPageDeCode();
    void fichiersAbsentsEtCreation();
    void memeSectionDansDeuxFichiers();
    void lotAppliqueDansLOrdre();
};

void TestFichiersIni::lecture_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("attendu");

    const QByteArray base = "[Env114]\r\nEnvellope114=3,2\r\n";
    QTest::newRow("simple") << base << "Env114" << "Envellope114" << "3,2";
    QTest::newRow("casse de la section et de la clé") << base << "env114" << "ENVELLOPE114" << "3,2";
    QTest::newRow("majuscule accentuée")
        << cp1252(QStringLiteral("[SYMBOLE MONÉTAIRE]\r\nSymbole Monétaire Employé=€\r\n"))
        << QStringLiteral("Symbole Monétaire") << QStringLiteral("symbole monétaire employé")
        << QStringLiteral("€");
    QTest::newRow("espaces autour") << QByteArray("[ Feuille ]\r\n  A4  =  5  \r\n") << "Feuille"
                                    << "A4" << "5";
    QTest::newRow("guillemets doubles") << QByteArray("[s]\r\nk=\" 3,2 \"\r\n") << "s" << "k"
                                        << " 3,2 ";
    QTest::newRow("guillemets simples") << QByteArray("[s]\r\nk='x'\r\n") << "s" << "k" << "x";
    QTest::newRow("guillemets dépareillés") << QByteArray("[s]\r\nk=\"x'\r\n") << "s" << "k"
                                            << "\"x'";
    QTest::newRow("guillemet seul") << QByteArray("[s]\r\nk=\"\r\n") << "s" << "k" << "\"";
    QTest::newRow("valeur vide") << QByteArray("[s]\r\nk=\r\n") << "s" << "k" << "";
    QTest::newRow("valeur après le premier égal") << QByteArray("[s]\r\nk=a=b\r\n") << "s" << "k"
                                                  << "a=b";
    QTest::newRow("première section gagne")
        << QByteArray("[s]\r\na=1\r\n[t]\r\nb=2\r\n[S]\r\nb=3\r\nk=4\r\n") << "s" << "k" << "";
    QTest::newRow("première clé gagne") << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << "s" << "k" << "1";
    QTest::newRow("ligne sans égal") << QByteArray("[s]\r\nk\r\nk=2\r\n") << "s" << "k" << "2";
    QTest::newRow("commentaire") << QByteArray("[s]\r\n;k=1\r\nk=2\r\n") << "s" << "k" << "2";
    QTest::newRow("clé avant toute section") << QByteArray("k=1\r\n[s]\r\n") << "s" << "k" << "";
    QTest::newRow("clé d'une autre section") << QByteArray("[a]\r\nk=1\r\n[s]\r\n") << "s" << "k"
                                             << "";
    QTest::newRow("fins LF") << QByteArray("[s]\nj=0\nk=1\n") << "s" << "k" << "1";
    QTest::newRow("fins CR") << QByteArray("[s]\rj=0\rk=1\r") << "s" << "k" << "1";
    QTest::newRow("sans fin de ligne") << QByteArray("[s]\r\nk=1") << "s" << "k" << "1";
    QTest::newRow("section absente") << base << "Env110" << "Envellope114" << "";
    QTest::newRow("fichier vide") << QByteArray() << "s" << "k" << "";
    QTest::newRow("300 caractères coupés à 254") << "[s]\r\nk=" + QByteArray(300, 'x') + "\r\n"
                                                  << "s" << "k" << QString(254, u'x');
    QTest::newRow("BOM UTF-8 devant la première section")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=1\r\n") << "s" << "k" << "1";
    QTest::newRow("BOM ailleurs qu'en tête") << QByteArray("\r\n\xEF\xBB\xBF[s]\r\nk=1\r\n") << "s"
                                             << "k" << "";
    QTest::newRow("octets nuls") << QByteArray("[s]\r\nk=a\0b\r\n", 12) << "s" << "k"
                                 << QString::fromLatin1("a\0b", 3);
}

void TestFichiersIni::lecture()
{
    QFETCH(QByteArray, contenu);
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, attendu);
    QCOMPARE(FormatIni::lire(contenu, section, cle), attendu);
}

void TestFichiersIni::ecriture_data()
{
    QTest::addColumn<QByteArray>("avant");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QByteArray>("apres");

    QTest::newRow("fichier vide") << QByteArray() << "Env114" << "Envellope114" << "3,2"
                                  << QByteArray("[Env114]\r\nEnvellope114=3,2\r\n");
    QTest::newRow("clé existante remplacée, le reste intact")
        << QByteArray("; réglages\r\n[a]\r\nx=1\r\n\r\n[s]\r\n  K = old \r\ny=2\r\n")
        << "s" << "k" << "new"
        << QByteArray("; réglages\r\n[a]\r\nx=1\r\n\r\n[s]\r\nk=new\r\ny=2\r\n");
    QTest::newRow("clé ajoutée après la dernière ligne non vide")
        << QByteArray("[s]\r\nx=1\r\n\r\n\r\n[t]\r\ny=2\r\n") << "s" << "k" << "v"
        << QByteArray("[s]\r\nx=1\r\nk=v\r\n\r\n\r\n[t]\r\ny=2\r\n");
    QTest::newRow("clé ajoutée dans une section sans clé")
        << QByteArray("[s]\r\n\r\n[t]\r\n") << "s" << "k" << "v"
        << QByteArray("[s]\r\nk=v\r\n\r\n[t]\r\n");
    QTest::newRow("clé ajoutée en fin de fichier sans fin de ligne")
        << QByteArray("[s]\r\nx=1") << "s" << "k" << "v" << QByteArray("[s]\r\nx=1\r\nk=v\r\n");
    QTest::newRow("section ajoutée à la fin")
        << QByteArray("[s]\r\nx=1\r\n") << "t" << "k" << "v"
        << QByteArray("[s]\r\nx=1\r\n[t]\r\nk=v\r\n");
    QTest::newRow("section ajoutée après une ligne sans fin")
        << QByteArray("[s]\r\nx=1") << "t" << "k" << "v"
        << QByteArray("[s]\r\nx=1\r\n[t]\r\nk=v\r\n");
    QTest::newRow("section ajoutée après un CR final")
        << QByteArray("[s]\rk=1\r") << "t" << "k" << "v" << QByteArray("[s]\rk=1\r[t]\r\nk=v\r\n");
    QTest::newRow("clé ajoutée après un CR final")
        << QByteArray("[s]\rk=1\r[t]\r") << "t" << "k" << "2"
        << QByteArray("[s]\rk=1\r[t]\rk=2\r\n");
    QTest::newRow("fins LF gardées") << QByteArray("[s]\nk=1\nz=0\n") << "s" << "k" << "2"
                                     << QByteArray("[s]\nk=2\nz=0\n");
    QTest::newRow("seule la première occurrence change")
        << QByteArray("[s]\r\nk=1\r\nk=1\r\n[s]\r\nk=1\r\n") << "S" << "K" << "2"
        << QByteArray("[s]\r\nK=2\r\nk=1\r\n[s]\r\nk=1\r\n");
    QTest::newRow("marque d'ordre UTF-8 gardée")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=1\r\n") << "s" << "k" << "2"
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=2\r\n");
    QTest::newRow("valeur vide") << QByteArray() << "s" << "k" << ""
                                 << QByteArray("[s]\r\nk=\r\n");
    QTest::newRow("accents sur un octet")
        << QByteArray() << QStringLiteral("Symbole Monétaire") << QStringLiteral("Date")
        << QStringLiteral("05/12/2026 à 10:38")
        << QByteArray("[Symbole Mon\xe9taire]\r\nDate=05/12/2026 \xe0 10:38\r\n");
    QTest::newRow("espaces gardés par des guillemets") << QByteArray() << "s" << "k" << " 3 "
                                                       << QByteArray("[s]\r\nk=\" 3 \"\r\n");
    QTest::newRow("guillemets gardés par des guillemets")
        << QByteArray() << "s" << "k" << "'x'" << QByteArray("[s]\r\nk=\"'x'\"\r\n");
}

void TestFichiersIni::ecriture()
{
    QFETCH(QByteArray, avant);
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, valeur);
    QFETCH(QByteArray, apres);

    QByteArray contenu = avant;
    QVERIFY(FormatIni::ecrire(contenu, {{section, cle, valeur}}));
    QCOMPARE(contenu, apres);
    QCOMPARE(FormatIni::lire(contenu, section, cle), valeur);
}

void TestFichiersIni::relectureDeCeQuiEstEcrit_data()
{
    QTest::addColumn<QString>("valeur");
    QTest::newRow("nombre") << "14,6";
    QTest::newRow("254 caractères") << QString(254, u'9');
    QTest::newRow("espaces et tabulation") << " \t a b \t";
    QTest::newRow("guillemets appariés") << "\"\"";
    QTest::newRow("guillemet en tête") << "\"abc";
    QTest::newRow("euro et c1") << QStringLiteral("€\u0081\u008d\u008f\u0090\u009d");
    QTest::newRow("point-virgule") << ";x";
    QTest::newRow("crochets") << "[x]";
}

void TestFichiersIni::relectureDeCeQuiEstEcrit()
{
    QFETCH(QString, valeur);
    QByteArray contenu("[s]\r\nk=old\r\n[t]\r\n");
    QVERIFY(FormatIni::ecrire(contenu, {{"s", "k", valeur}, {"t", "k", valeur}}));
    QCOMPARE(FormatIni::lire(contenu, u"s", u"k"), valeur);
    QCOMPARE(FormatIni::lire(contenu, u"t", u"k"), valeur);
}

void TestFichiersIni::ecrituresRefusees_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("cle");
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("raison");

    QTest::newRow("retour à la ligne dans la valeur")
        << "s" << "k" << "1\r\n[x]" << "retour à la ligne";
    QTest::newRow("saut de ligne dans la clé") << "s" << "k\nz" << "1" << "retour à la ligne";
    QTest::newRow("retour chariot dans la section") << "s\r" << "k" << "1" << "retour à la ligne";
    QTest::newRow("roupie") << "s" << "k" << QStringLiteral("₹") << "« ₹ »";
    QTest::newRow("emoji") << "s" << "k" << QStringLiteral("a😀") << "« 😀 »";
    QTest::newRow("clé vide") << "s" << " " << "1" << "clé est vide";
    QTest::newRow("section vide") << "" << "k" << "1" << "section est vide";
    QTest::newRow("égal dans la clé") << "s" << "a=b" << "1" << "n'est pas permis";
    QTest::newRow("clé en commentaire") << "s" << ";k" << "1" << "n'est pas permis";
    QTest::newRow("255 caractères") << "s" << "k" << QString(255, u'1') << "254";
}

void TestFichiersIni::ecrituresRefusees()
{
    QFETCH(QString, section);
    QFETCH(QString, cle);
    QFETCH(QString, valeur);
    QFETCH(QString, raison);

    // A refused write in the middle of a batch leaves everything as it was.
    const QByteArray avant("[s]\r\nk=0\r\n");
    QByteArray contenu = avant;
    const ResultatEcriture r = FormatIni::ecrire(contenu, {{"s", "k", "1"}, {section, cle, valeur}});
    QVERIFY(!r.ok);
    QVERIFY2(r.raison.contains(raison), qPrintable(r.raison));
    QCOMPARE(contenu, avant);
}

void TestFichiersIni::touteLaPageDeCode()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QByteArray tous;
    for (int octet = 0; octet < 256; ++octet) {
        if (octet != '\r' && octet != '\n')
            tous += char(octet);
    }
    const QByteArray avant = "[s]\r\nv=" + tous + "\r\n" + tous + "\r\n[t]\r\nk=1\r\n";
    QVERIFY(ecrireOctets(fichiers.chemin(FichierIni::TarifCEE), avant));

    // Every byte reads as one character and comes back as the same byte.
    const QString lu = fichiers.LireTarifCEE(u"s", u"v");
    QCOMPARE(lu.size(), 254);
    QVERIFY(fichiers.EcrireTarifCEE("t", "k", lu.left(200)));
    QVERIFY(fichiers.EcrireTarifCEE("t", "k2", lu.right(54)));
    QByteArray attendu = avant;
    attendu.replace("k=1", "k=" + tous.mid(0, 200));
    attendu += "k2=" + tous.mid(200, 54) + "\r\n";
    // Leading and trailing spaces of the value are trimmed on read: byte 0x20
    // is not at either end of these slices.
    QCOMPARE(lireOctets(fichiers.chemin(FichierIni::TarifCEE)), attendu);
}

void TestFichiersIni::fichiersAbsentsEtCreation()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QCOMPARE(fichiers.LirePoidsElements(u"Env114", u"Envellope114"), QString());
    QVERIFY(!QFile::exists(fichiers.chemin(FichierIni::PoidsElements)));

    QVERIFY(fichiers.EcrirePoidsElements("Env114", "Envellope114", "3,2"));
    QCOMPARE(lireOctets(dir.filePath("PoidsElements.ini")),
             QByteArray("[Env114]\r\nEnvellope114=3,2\r\n"));
    QCOMPARE(fichiers.LirePoidsElements(u"env114", u"ENVELLOPE114"), QStringLiteral("3,2"));
    // Nothing but the file itself is left in the directory.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("PoidsElements.ini")});
}

void TestFichiersIni::memeSectionDansDeuxFichiers()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QVERIFY(fichiers.EcrireTarifNormal("Tarification", "TarifN20Gr", "0,66"));
    QVERIFY(fichiers.EcrireTarifCEE("Tarification", "TarifN20Gr", "0,83"));
    QCOMPARE(fichiers.LireTarifNormal(u"Tarification", u"TarifN20Gr"), QStringLiteral("0,66"));
    QCOMPARE(fichiers.LireTarifCEE(u"Tarification", u"TarifN20Gr"), QStringLiteral("0,83"));
    QCOMPARE(fichiers.LireTarifEcopli(u"Tarification", u"TarifN20Gr"), QString());
}

void TestFichiersIni::lotAppliqueDansLOrdre()
{
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    QVERIFY(fichiers.ecrire(FichierIni::TarifEcopli,
                            {{"b", "x", "1"}, {"a", "y", "2"}, {"b", "z", "3"}, {"b", "x", "4"}}));
    QCOMPARE(lireOctets(fichiers.chemin(FichierIni::TarifEcopli)),
             QByteArray("[b]\r\nx=4\r\nz=3\r\n[a]\r\ny=2\r\n"));
}

QTEST_GUILESS_MAIN(TestFichiersIni)
#include "tst_fichiersini.moc"
