// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// The computations without a window: French numbers, the four-place decimal,
// the total of the 26 lines, the price of a weight and the services compared.

#include "calculs/comparaison.h"
#include "calculs/pesee.h"
#include "settings/catalogueelements.h"

#include <QTest>

#include <limits>

using Lignes = QList<std::pair<int, QString>>;
// Unit weights other than the defaults, counts typed line after line, total.
struct Total
{
    Lignes poids, comptes;
    QString total;
};
// A total, the symbol, first-bracket prices, what each service shows; the
// stamps, with what "Prix du" shows for each and the red lines.
struct Comparee
{
    QString total, symbole;
    QStringList premiers, services, tampons = {}, datesEtLignes = {};
    QString prix3000 = {}; // France Rapide's last bracket
};
Q_DECLARE_METATYPE(Total)
Q_DECLARE_METATYPE(Comparee)

class TestCalculs : public QObject
{
    Q_OBJECT

private slots:
    void nombre_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur"); // NaN: not a number
        const double non = std::numeric_limits<double>::quiet_NaN();
        const QList<std::pair<const char *, double>> lignes
            = {{"30", 30},     {"3,2", 3.2}, {"  12,5 \t", 12.5}, {"+7", 7},      {"-1,5", -1.5}, {"5,", 5},
               {",5", 0.5},    {"000", 0},   {"1,5E3", 1500},     {"25e-1", 2.5}, {"1e-400", 0},  {"", non},
               {"   ", non},   {",", non},   {"-", non},          {"3.2", non},   {"1,2,3", non}, {"abc", non},
               {"1 000", non}, {"1e", non},  {"1e+", non},        {"1e400", non}, {"٣", non}};
        for (const auto &[texte, valeur] : lignes)
            QTest::newRow(texte) << QString::fromUtf8(texte) << valeur;
        QTest::newRow("300 chiffres") << QString(300, u'9') << 1e300;
        QTest::newRow("400 chiffres") << QString(400, u'9') << non;
    }
    void nombre()
    {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        const auto n = nombreFrancais(texte);
        QCOMPARE(n.has_value(), !std::isnan(valeur));
        QCOMPARE(n.value_or(valeur), valeur);
    }

    // From text the rounding is decimal and exact, from a product (a double)
    // it rounds the double's value; ties go to the even neighbour. Beyond the
    // range there is no decimal, never a wrapped one.
    void decimal_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("produit");
        QTest::addColumn<QString>("affiche"); // empty: none
        for (const auto &[texte, affiche] :
             QList<std::pair<const char *, const char *>>{{"1013", "1013"},
                                                          {"9,60", "9,6"},
                                                          {"0,1235", "0,1235"},
                                                          {"0", "0"},
                                                          {"-2,5", "-2,5"},
                                                          {"0,00005", "0"},
                                                          {"0,00015", "0,0002"},
                                                          {"0,000051", "0,0001"},
                                                          {"-0,00025", "-0,0002"},
                                                          {"12,5e2", "1250"},
                                                          {"5e-5", "0"},
                                                          {"922337203685477,5807", "922337203685477,5807"},
                                                          {"-922337203685477,5808", "-922337203685477,5808"},
                                                          {"922337203685477,5808", ""},
                                                          {"1e20", ""}})
            QTest::newRow(texte) << QString::fromUtf8(texte) << false << QString::fromUtf8(affiche);
        for (const auto &[texte, affiche] : QList<std::pair<const char *, const char *>>{{"0.00125", "0,0012"},
                                                                                         {"0.00135", "0,0014"},
                                                                                         {"-0.00125", "-0,0012"},
                                                                                         {"1e15", ""},
                                                                                         {"-1e15", ""},
                                                                                         {"inf", ""},
                                                                                         {"nan", ""}})
            QTest::addRow("produit %s", texte) << QString::fromUtf8(texte) << true << QString::fromUtf8(affiche);
    }
    void decimal()
    {
        QFETCH(QString, texte);
        QFETCH(bool, produit);
        QFETCH(QString, affiche);
        const auto d = produit ? Decimal4::depuisDouble(texte.toDouble()) : Decimal4::depuisTexte(texte);
        QCOMPARE(d.has_value(), !affiche.isEmpty());
        QCOMPARE(d.value_or(Decimal4()).texte(), affiche.isEmpty() ? "0" : affiche);
    }

    void total_data()
    {
        QTest::addColumn<Total>("t");
        Lignes toutes;
        for (int ligne = 1; ligne <= 25; ++ligne)
            toutes.append({ligne, "1"});
        toutes.append({26, "0,1235"});
        QTest::newRow("rien") << Total{{}, {}, "0"};
        QTest::newRow("3 enveloppes C6") << Total{{}, {{1, "3"}}, "9,6"};
        QTest::newRow("30 enveloppes C6") << Total{{}, {{1, "30"}}, "96"};
        QTest::newRow("999 boîtiers de CD") << Total{{}, {{23, "999"}}, "92007,9"};
        QTest::newRow("grammes en plus") << Total{{}, {{26, "15"}, {3, "1,5"}}, "26,25"};
        QTest::newRow("virgule des grammes") << Total{{}, {{26, "1,5"}}, "1,5"};
        QTest::newRow("toutes les lignes") << Total{{}, toutes, "420,6235"};
        QTest::newRow("zéros, vide, négatif") << Total{{}, {{5, "000"}, {6, ""}, {26, "-5"}}, "0"};
        // A count or a unit weight that is no number weighs nothing.
        QTest::newRow("compte collé") << Total{{}, {{1, "3"}, {1, "abc"}, {4, "2"}}, "29,2"};
        QTest::newRow("poids non numériques")
            << Total{{{4, "1,2,3"}, {2, ""}, {13, "3.2"}}, {{4, "2"}, {2, "5"}, {13, "1"}, {14, "1"}}, "5"};
        // Fixed-form unit weights are rounded from their text, not from a double.
        QTest::newRow("forme fixe arrondie")
            << Total{{{25, "0,00005"}, {4, "0,33335"}, {13, "0,00004"}}, {{25, "1"}, {4, "3"}, {13, "3"}}, "1,0002"};
        QTest::newRow("hors de la plage") << Total{{{1, QString(250, u'9')}}, {{1, "999"}}, ">>"};
        QTest::newRow("au bord de la plage") << Total{{{25, "900000000000000"}}, {{25, "1"}}, "900000000000000"};
        QTest::newRow("au-delà de la plage") << Total{{{25, "900000000000000"}}, {{25, "999"}}, ">>"};
        // Two lines each within the range, their sum beyond it, either way.
        const Lignes grands{{25, "900000000000000"}, {23, "900000000000000"}};
        QTest::newRow("somme au-delà") << Total{grands, {{25, "1"}, {23, "1"}}, ">>"};
        QTest::newRow("somme en deçà") << Total{grands, {{25, "-1"}, {23, "-1"}}, ">>"};
        QTest::newRow("somme nulle") << Total{grands, {{25, "1"}, {23, "-1"}}, "0"};
    }
    void total()
    {
        QFETCH(Total, t);
        Pesee p;
        for (int n = 1; n <= CatalogueElements::NombreEntrees; ++n)
            p.setPoidsUnitaire(n, CatalogueElements::entree(n).defaut);
        for (const auto &[ligne, texte] : t.poids)
            p.setPoidsUnitaire(ligne, texte);
        Comptes cases;
        for (const auto &[ligne, compte] : t.comptes) {
            p.majLigne(ligne, compte);
            cases.at(std::size_t(ligne - 1)) = compte;
        }
        QCOMPARE(texteTotal(p.total()), t.total);
        // Every line again from the boxes gives the same.
        p.recalculer(cases);
        QCOMPARE(texteTotal(p.total()), t.total);
    }

    // A total compared over the default grids, the first bracket of each
    // priced `premiers` when given: for France Rapide, Ecopli and EU,
    // "price|bracket|room left|next bracket", starred where lowest. The
    // price is Label5's, with the beep beyond the last bracket. Stamps are
    // read on 15 June 2026.
    void comparaison_data()
    {
        QTest::addColumn<Comparee>("c");
        const QStringList zero{"0,00 €|||", "0,00 €|||", "0,00 €|||"},
            auDela{">>|au-delà de 3000 g||", ">>|au-delà de 250 g||", ">>|au-delà de 2000 g||"};
        const QStringList douze{"0,66 €|jusqu'à 20 g|encore 7,5 g|1,10 € jusqu'à 50 g",
                                "*0,59 €|jusqu'à 20 g|encore 7,5 g|0,87 € jusqu'à 50 g",
                                "0,83 €|jusqu'à 20 g|encore 7,5 g|1,38 € jusqu'à 50 g"};
        QTest::newRow("12,5 g") << Comparee{"12,5", "€", {}, douze};
        QTest::newRow("20 g") << Comparee{"20",
                                          "€",
                                          {},
                                          {"0,66 €|jusqu'à 20 g|encore 0 g|1,10 € jusqu'à 50 g",
                                           "*0,59 €|jusqu'à 20 g|encore 0 g|0,87 € jusqu'à 50 g",
                                           "0,83 €|jusqu'à 20 g|encore 0 g|1,38 € jusqu'à 50 g"}};
        QTest::newRow("20,0001 g") << Comparee{"20,0001",
                                               "€",
                                               {},
                                               {"1,10 €|jusqu'à 50 g|encore 29,9999 g|1,65 € jusqu'à 100 g",
                                                "*0,87 €|jusqu'à 50 g|encore 29,9999 g|1,20 € jusqu'à 100 g",
                                                "1,38 €|jusqu'à 50 g|encore 29,9999 g|1,85 € jusqu'à 100 g"}};
        QTest::newRow("50 g") << Comparee{"50",
                                          "€",
                                          {},
                                          {"1,10 €|jusqu'à 50 g|encore 0 g|1,65 € jusqu'à 100 g",
                                           "*0,87 €|jusqu'à 50 g|encore 0 g|1,20 € jusqu'à 100 g",
                                           "1,38 €|jusqu'à 50 g|encore 0 g|1,85 € jusqu'à 100 g"}};
        QTest::newRow("50,5 g") << Comparee{"50,5",
                                            "€",
                                            {},
                                            {"1,65 €|jusqu'à 100 g|encore 49,5 g|2,65 € jusqu'à 250 g",
                                             "*1,20 €|jusqu'à 100 g|encore 49,5 g|2,10 € jusqu'à 250 g",
                                             "1,85 €|jusqu'à 100 g|encore 49,5 g|4,15 € jusqu'à 250 g"}};
        QTest::newRow("100 g") << Comparee{"100",
                                           "€",
                                           {},
                                           {"1,65 €|jusqu'à 100 g|encore 0 g|2,65 € jusqu'à 250 g",
                                            "*1,20 €|jusqu'à 100 g|encore 0 g|2,10 € jusqu'à 250 g",
                                            "1,85 €|jusqu'à 100 g|encore 0 g|4,15 € jusqu'à 250 g"}};
        QTest::newRow("100,25 g") << Comparee{"100,25",
                                              "€",
                                              {},
                                              {"2,65 €|jusqu'à 250 g|encore 149,75 g|3,55 € jusqu'à 500 g",
                                               "*2,10 €|jusqu'à 250 g|encore 149,75 g|aucune",
                                               "4,15 €|jusqu'à 250 g|encore 149,75 g|6,15 € jusqu'à 500 g"}};
        QTest::newRow("250 g") << Comparee{"250",
                                           "€",
                                           {},
                                           {"2,65 €|jusqu'à 250 g|encore 0 g|3,55 € jusqu'à 500 g",
                                            "*2,10 €|jusqu'à 250 g|encore 0 g|aucune",
                                            "4,15 €|jusqu'à 250 g|encore 0 g|6,15 € jusqu'à 500 g"}};
        QTest::newRow("251 g") << Comparee{"251",
                                           "€",
                                           {},
                                           {"*3,55 €|jusqu'à 500 g|encore 249 g|4,65 € jusqu'à 1000 g", auDela[1],
                                            "6,15 €|jusqu'à 500 g|encore 249 g|8,80 € jusqu'à 1000 g"}};
        QTest::newRow("500 g") << Comparee{"500",
                                           "€",
                                           {},
                                           {"*3,55 €|jusqu'à 500 g|encore 0 g|4,65 € jusqu'à 1000 g", auDela[1],
                                            "6,15 €|jusqu'à 500 g|encore 0 g|8,80 € jusqu'à 1000 g"}};
        QTest::newRow("500,0001 g") << Comparee{"500,0001",
                                                "€",
                                                {},
                                                {"*4,65 €|jusqu'à 1000 g|encore 499,9999 g|6,00 € jusqu'à 2000 g",
                                                 auDela[1],
                                                 "8,80 €|jusqu'à 1000 g|encore 499,9999 g|12,65 € jusqu'à 2000 g"}};
        QTest::newRow("1000 g") << Comparee{"1000",
                                            "€",
                                            {},
                                            {"*4,65 €|jusqu'à 1000 g|encore 0 g|6,00 € jusqu'à 2000 g", auDela[1],
                                             "8,80 €|jusqu'à 1000 g|encore 0 g|12,65 € jusqu'à 2000 g"}};
        QTest::newRow("1001 g") << Comparee{"1001",
                                            "€",
                                            {},
                                            {"*6,00 €|jusqu'à 2000 g|encore 999 g|7,00 € jusqu'à 3000 g", auDela[1],
                                             "12,65 €|jusqu'à 2000 g|encore 999 g|aucune"}};
        QTest::newRow("2000 g") << Comparee{"2000",
                                            "€",
                                            {},
                                            {"*6,00 €|jusqu'à 2000 g|encore 0 g|7,00 € jusqu'à 3000 g", auDela[1],
                                             "12,65 €|jusqu'à 2000 g|encore 0 g|aucune"}};
        QTest::newRow("2001 g") << Comparee{
            "2001", "€", {}, {"*7,00 €|jusqu'à 3000 g|encore 999 g|aucune", auDela[1], auDela[2]}};
        QTest::newRow("3000 g") << Comparee{
            "3000", "€", {}, {"*7,00 €|jusqu'à 3000 g|encore 0 g|aucune", auDela[1], auDela[2]}};
        QTest::newRow("3001 g") << Comparee{"3001", "€", {}, auDela};
        QTest::newRow("hors de la plage") << Comparee{"", "€", {}, auDela};
        QTest::newRow("montants : signe, point, exposant")
            << Comparee{"12,5",
                        "$",
                        {"-5", "1.52", "1E-400"},
                        {"-5 $|jusqu'à 20 g|encore 7,5 g|1,10 $ jusqu'à 50 g",
                         "*1.52 $|jusqu'à 20 g|encore 7,5 g|0,87 $ jusqu'à 50 g",
                         "1E-400 $|jusqu'à 20 g|encore 7,5 g|1,38 $ jusqu'à 50 g"}};
        QTest::newRow("2500 g, tranche de 3000 g non offerte")
            << Comparee{"2500", "€", {}, {">>|au-delà de 2000 g||", auDela[1], auDela[2]}, {}, {}, ">>"};
        QTest::newRow("1500 g, tranche suivante non offerte") << Comparee{
            "1500",
            "€",
            {},
            {"*6,00 €|jusqu'à 2000 g|encore 500 g|aucune", auDela[1], "12,65 €|jusqu'à 2000 g|encore 500 g|aucune"},
            {},
            {},
            ">>"};
        QTest::newRow("tampons : aucun, la veille du 1er janvier, le 1er janvier")
            << Comparee{"12,5",
                        "€",
                        {},
                        douze,
                        {"", "31/12/2025 à 23:59", "01/01/2026 à 00:00"},
                        {"jamais enregistrés", "31/12/2025 à 23:59", "01/01/2026 à 00:00",
                         "Prix France Rapide jamais enregistrés : vérifiez-les.",
                         "Prix France Ecopli enregistrés avant le 1er janvier 2026 : vérifiez-les."}};
        QTest::newRow("tampons à 0 g : illisibles, de 2014")
            << Comparee{"0",
                        "€",
                        {},
                        zero,
                        {"hier", "31/02/2020 à 10:00", "05/12/2014 à 10:38"},
                        {"", "", "", "Prix Vers UE (Zone 1) enregistrés avant le 1er janvier 2026 : vérifiez-les."}};
        QTest::newRow("égalité") << Comparee{"12,5",
                                             "€",
                                             {"0,59", "0,590", "0,6"},
                                             {"*0,59 €|jusqu'à 20 g|encore 7,5 g|1,10 € jusqu'à 50 g",
                                              "*0,590 €|jusqu'à 20 g|encore 7,5 g|0,87 € jusqu'à 50 g",
                                              "0,6 €|jusqu'à 20 g|encore 7,5 g|1,38 € jusqu'à 50 g"}};
    }
    void comparaison()
    {
        QFETCH(Comparee, c);
        std::array<GrilleTarif, 3> grilles;
        for (const ServiceExpedition s : TousLesServices) {
            GrilleTarif &g = grilles.at(std::size_t(s)) = Tarifs::grille(s);
            Tarifs::restaurerDefauts(g);
            if (!c.premiers.isEmpty())
                g.Tranches[0].Prix = c.premiers.at(int(s));
            g.MiseAJour = c.tampons.value(int(s));
            if (!c.prix3000.isEmpty() && s == ServiceExpedition::TarifNormal)
                g.Tranches.last().Prix = c.prix3000;
        }
        const auto total = Decimal4::depuisTexte(c.total);
        const Comparaison vue
            = comparerServices(total, grilles, c.symbole, ServiceExpedition::TarifNormal, QDate(2026, 6, 15));
        QStringList vus;
        for (const ServiceCompare &s : vue.services) {
            vus << (s.moinsCher ? "*" : "") + QStringList{s.prix, s.tranche, s.marge, s.suivante}.join('|');
            QCOMPARE(affranchissement(total, grilles.at(vus.size() - 1), c.symbole).bip, s.prix == ">>");
        }
        QCOMPARE(vus, c.services);
        if (!c.tampons.isEmpty())
            QCOMPARE(QStringList({vue.services[0].prixDu, vue.services[1].prixDu, vue.services[2].prixDu})
                         + vue.avertissements,
                     c.datesEtLignes);
    }
};

QTEST_GUILESS_MAIN(TestCalculs)
#include "tst_calculs.moc"
