#include "main_window/calculs.h"
#include "settings/catalogueelements.h"
#include "settings/miseajour.h"

#include <QTest>

#include <limits>

using Comptes = QList<std::pair<int, QString>>;

namespace {

// A weighing with the built-in unit weights, as after a first activation.
Pesee peseeParDefaut()
{
    Pesee p;
    for (int n = 1; n <= NombreLignes; ++n)
        p.setPoidsUnitaire(n, CatalogueElements::entree(n).defaut);
    return p;
}

GrilleTarif grilleParDefaut(ServiceExpedition service)
{
    GrilleTarif g = Tarifs::grille(service);
    Tarifs::restaurerDefauts(g);
    return g;
}

} // namespace

class TestCalculs : public QObject
{
    Q_OBJECT

private slots:
    void nombre_data();
    void nombre();
    void decimalDepuisTexte_data();
    void decimalDepuisTexte();
    void decimalArrondiAuPair();
    void decimalDebordement();
    void total_data();
    void total();
    void ligneNonNumeriquePeseZero();
    void totalHorsLimites();
    void prix_data();
    void prix();
    void prixSansSymboleNiPrix();
    void tampon_data();
    void tampon();
};

void TestCalculs::nombre_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("estNombre");
    QTest::addColumn<double>("valeur");

    QTest::newRow("entier") << "30" << true << 30.0;
    QTest::newRow("virgule") << "3,2" << true << 3.2;
    QTest::newRow("espaces autour") << "  12,5 \t" << true << 12.5;
    QTest::newRow("plus") << "+7" << true << 7.0;
    QTest::newRow("moins") << "-1,5" << true << -1.5;
    QTest::newRow("5,") << "5," << true << 5.0;
    QTest::newRow(",5") << ",5" << true << 0.5;
    QTest::newRow("zéros") << "000" << true << 0.0;
    QTest::newRow("exposant") << "1,5E3" << true << 1500.0;
    QTest::newRow("exposant négatif") << "25e-1" << true << 2.5;
    QTest::newRow("300 chiffres") << QString(300, u'9') << true << 1e300;
    QTest::newRow("infinitésimal") << "1e-400" << true << 0.0;
    QTest::newRow("vide") << "" << false << 0.0;
    QTest::newRow("blancs seuls") << "   " << false << 0.0;
    QTest::newRow("virgule seule") << "," << false << 0.0;
    QTest::newRow("signe seul") << "-" << false << 0.0;
    QTest::newRow("point") << "3.2" << false << 0.0;
    QTest::newRow("deux virgules") << "1,2,3" << false << 0.0;
    QTest::newRow("lettre") << "abc" << false << 0.0;
    QTest::newRow("espace au milieu") << "1 000" << false << 0.0;
    QTest::newRow("exposant sans chiffre") << "1e" << false << 0.0;
    QTest::newRow("trop grand") << "1e400" << false << 0.0;
    QTest::newRow("400 chiffres") << QString(400, u'9') << false << 0.0;
    QTest::newRow("chiffres arabes") << QStringLiteral("٣") << false << 0.0;
}

void TestCalculs::nombre()
{
    QFETCH(QString, texte);
    QFETCH(bool, estNombre);
    QFETCH(double, valeur);
    const auto n = nombreFrancais(texte);
    QCOMPARE(n.has_value(), estNombre);
    if (estNombre)
        QCOMPARE(*n, valeur);
}

void TestCalculs::decimalDepuisTexte_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("affiche");

    QTest::newRow("entier") << "1013" << "1013";
    QTest::newRow("une décimale") << "9,60" << "9,6";
    QTest::newRow("quatre décimales") << "0,1235" << "0,1235";
    QTest::newRow("zéro") << "0" << "0";
    QTest::newRow("négatif") << "-2,5" << "-2,5";
    QTest::newRow("égalité vers le pair, bas") << "0,00005" << "0";
    QTest::newRow("égalité vers le pair, haut") << "0,00015" << "0,0002";
    QTest::newRow("au-dessus de la moitié") << "0,000051" << "0,0001";
    QTest::newRow("égalité négative") << "-0,00025" << "-0,0002";
    QTest::newRow("exposant") << "12,5e2" << "1250";
    QTest::newRow("petit exposant") << "5e-5" << "0";
    QTest::newRow("plus grand") << "922337203685477,5807" << "922337203685477,5807";
    QTest::newRow("plus petit") << "-922337203685477,5808" << "-922337203685477,5808";
}

void TestCalculs::decimalDepuisTexte()
{
    QFETCH(QString, texte);
    QFETCH(QString, affiche);
    const auto d = Decimal4::depuisTexte(texte);
    QVERIFY(d);
    QCOMPARE(d->texte(), affiche);
}

void TestCalculs::decimalArrondiAuPair()
{
    // Products that land exactly on a half ten-thousandth.
    QCOMPARE(Decimal4::depuisDouble(0.00125)->dixMilliemes(), 12);
    QCOMPARE(Decimal4::depuisDouble(0.00135)->dixMilliemes(), 14);
    QCOMPARE(Decimal4::depuisDouble(-0.00125)->dixMilliemes(), -12);
    QCOMPARE(Decimal4::depuisDouble(3 * 14.6)->texte(), QStringLiteral("43,8"));
}

void TestCalculs::decimalDebordement()
{
    QVERIFY(!Decimal4::depuisTexte(u"922337203685477,5808"));
    QVERIFY(!Decimal4::depuisTexte(u"1e20"));
    QVERIFY(!Decimal4::depuisDouble(1e15));
    QVERIFY(!Decimal4::depuisDouble(std::numeric_limits<double>::infinity()));
    QVERIFY(!Decimal4::depuisDouble(std::numeric_limits<double>::quiet_NaN()));
    const auto max = Decimal4::depuisDixMilliemes(std::numeric_limits<std::int64_t>::max());
    const auto min = Decimal4::depuisDixMilliemes(std::numeric_limits<std::int64_t>::min());
    QVERIFY(!max.plus(Decimal4::depuisDixMilliemes(1)));
    QVERIFY(!min.plus(Decimal4::depuisDixMilliemes(-1)));
    QCOMPARE(max.plus(min)->dixMilliemes(), -1);
    QCOMPARE(min.texte(), QStringLiteral("-922337203685477,5808"));
}

void TestCalculs::total_data()
{
    QTest::addColumn<Comptes>("comptes");
    QTest::addColumn<QString>("total");

    QTest::newRow("rien") << Comptes{} << "0";
    QTest::newRow("3 enveloppes C6") << Comptes{{1, "3"}} << "9,6";
    QTest::newRow("30 enveloppes C6") << Comptes{{1, "30"}} << "96";
    QTest::newRow("999 boîtiers de CD") << Comptes{{23, "999"}} << "92007,9";
    QTest::newRow("15 grammes en plus") << Comptes{{26, "15"}} << "15";
    QTest::newRow("1,5 gramme en plus") << Comptes{{26, "1,5"}} << "1,5";
    QTest::newRow("zéros") << Comptes{{5, "000"}, {26, "0"}} << "0";
    QTest::newRow("boîte vide") << Comptes{{1, ""}} << "0";
    QTest::newRow("toutes les lignes")
        << Comptes{{1, "1"},  {2, "1"},  {3, "1"},  {4, "1"},  {5, "1"},  {6, "1"},  {7, "1"},
                   {8, "1"},  {9, "1"},  {10, "1"}, {11, "1"}, {12, "1"}, {13, "1"}, {14, "1"},
                   {15, "1"}, {16, "1"}, {17, "1"}, {18, "1"}, {19, "1"}, {20, "1"}, {21, "1"},
                   {22, "1"}, {23, "1"}, {24, "1"}, {25, "1"}, {26, "0,1235"}}
        << "420,6235";
    QTest::newRow("grammes négatifs refusés") << Comptes{{26, "-5"}} << "0";
}

void TestCalculs::total()
{
    QFETCH(Comptes, comptes);
    QFETCH(QString, total);
    Pesee p = peseeParDefaut();
    for (const auto &[ligne, compte] : comptes)
        p.majLigne(ligne, compte);
    QCOMPARE(texteTotal(p.total()), total);
}

void TestCalculs::ligneNonNumeriquePeseZero()
{
    Pesee p = peseeParDefaut();
    p.majLigne(1, u"3");
    p.majLigne(4, u"2");
    QCOMPARE(texteTotal(p.total()), QStringLiteral("38,8"));

    // A pasted letter no longer leaves the line at its earlier weight.
    p.majLigne(1, u"abc");
    QCOMPARE(texteTotal(p.total()), QStringLiteral("29,2"));
    QVERIFY(!ligneComptee(u"abc"));

    // Nor does a unit weight that is no number, in either form.
    p.setPoidsUnitaire(4, QStringLiteral("1,2,3"));
    p.majLigne(4, u"2");
    p.setPoidsUnitaire(2, QString());
    p.majLigne(2, u"5");
    QCOMPARE(texteTotal(p.total()), QStringLiteral("0"));
    QVERIFY(ligneComptee(u"5"));

    // recalculer takes the current unit weights for every line.
    p.setPoidsUnitaire(4, QStringLiteral("10"));
    std::array<QString, NombreLignes> comptes;
    comptes[3] = QStringLiteral("2");
    comptes[25] = QStringLiteral("1,5");
    p.recalculer(comptes);
    QCOMPARE(texteTotal(p.total()), QStringLiteral("21,5"));
}

void TestCalculs::totalHorsLimites()
{
    Pesee p = peseeParDefaut();
    p.setPoidsUnitaire(1, QString(250, u'9'));
    p.majLigne(1, u"999");
    QCOMPARE(texteTotal(p.total()), QStringLiteral(">>"));
    const Affranchissement a =
        affranchissement(p.total(), grilleParDefaut(ServiceExpedition::TarifNormal), "€");
    QCOMPARE(a.texte, QStringLiteral(">>"));
    QVERIFY(a.bip);

    p.setPoidsUnitaire(25, QStringLiteral("900000000000000"));
    p.majLigne(1, u"");
    p.majLigne(25, u"999");
    QCOMPARE(texteTotal(p.total()), QStringLiteral(">>"));
    p.majLigne(25, u"1");
    QCOMPARE(texteTotal(p.total()), QStringLiteral("900000000000000"));
}

void TestCalculs::prix_data()
{
    QTest::addColumn<ServiceExpedition>("service");
    QTest::addColumn<QString>("poids");
    QTest::addColumn<QString>("affiche");

    const auto normal = ServiceExpedition::TarifNormal;
    const auto ecopli = ServiceExpedition::TarifEcopli;
    const auto cee = ServiceExpedition::TarifCEE;
    QTest::newRow("rien, France Rapide") << normal << "0" << "0,00 €";
    QTest::newRow("20 g") << normal << "20" << "0,66 €";
    QTest::newRow("20,0001 g") << normal << "20,0001" << "1,10 €";
    QTest::newRow("20,5 g") << normal << "20,5" << "1,10 €";
    QTest::newRow("400 g") << normal << "400" << "3,55 €";
    QTest::newRow("3000 g") << normal << "3000" << "7,00 €";
    QTest::newRow("3000,5 g") << normal << "3000,5" << ">>";
    QTest::newRow("Ecopli 250 g") << ecopli << "250" << "2,10 €";
    QTest::newRow("Ecopli 251 g") << ecopli << "251" << ">>";
    QTest::newRow("UE 2000 g") << cee << "2000" << "12,65 €";
    QTest::newRow("UE 2001 g") << cee << "2001" << ">>";
}

void TestCalculs::prix()
{
    QFETCH(ServiceExpedition, service);
    QFETCH(QString, poids);
    QFETCH(QString, affiche);
    GrilleTarif g = grilleParDefaut(service);
    g.ValeurReserve = QStringLiteral("99,99");
    const Affranchissement a =
        affranchissement(Decimal4::depuisTexte(poids), g, QStringLiteral("€"));
    QCOMPARE(a.texte, affiche);
    QCOMPARE(a.bip, affiche == QStringLiteral(">>"));
}

void TestCalculs::prixSansSymboleNiPrix()
{
    GrilleTarif g = Tarifs::grille(ServiceExpedition::TarifNormal);
    g.Tranches[1].Prix = QStringLiteral("1.10");
    QCOMPARE(affranchissement(Decimal4::depuisTexte(u"12"), g, {}).texte, QStringLiteral(" "));
    QCOMPARE(affranchissement(Decimal4::depuisTexte(u"30"), g, "€").texte,
             QStringLiteral("1.10 €"));
    QCOMPARE(affranchissement(Decimal4(), g, {}).texte, QStringLiteral("0,00 "));
}

// The update stamp, from one reading of the clock.
void TestCalculs::tampon_data()
{
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("matin") << QDateTime(QDate(2026, 12, 5), QTime(10, 38, 59)) << "05/12/2026 à 10:38";
    QTest::newRow("minuit") << QDateTime(QDate(2027, 1, 1), QTime(0, 0)) << "01/01/2027 à 00:00";
}

void TestCalculs::tampon()
{
    QFETCH(QDateTime, instant);
    QFETCH(QString, attendu);
    QCOMPARE(MiseAJour::texte(instant), attendu);
}

QTEST_GUILESS_MAIN(TestCalculs)
#include "tst_calculs.moc"
