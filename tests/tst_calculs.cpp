// The computations without a window: French numbers, the four-place decimal,
// the total of the 26 lines and the price of a weight.

#include "main_window/calculs.h"
#include "settings/catalogueelements.h"

#include <QTest>

#include <limits>

using Lignes = QList<std::pair<int, QString>>;
// Unit weights other than the defaults, counts typed line after line, total.
struct Total { Lignes poids, comptes; QString total; };
// A total priced by a grid whose bracket `tranche`, if not 0, holds `prix`.
struct Prix { ServiceExpedition service; QString poids, symbole; int tranche; QString prix, affiche; };
Q_DECLARE_METATYPE(Total)
Q_DECLARE_METATYPE(Prix)

class TestCalculs : public QObject
{
    Q_OBJECT

private slots:
    void nombre_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur"); // NaN: not a number
        const double non = std::numeric_limits<double>::quiet_NaN();
        const QList<std::pair<const char *, double>> lignes = {
            {"30", 30}, {"3,2", 3.2}, {"  12,5 \t", 12.5}, {"+7", 7}, {"-1,5", -1.5}, {"5,", 5}, {",5", 0.5}, {"000", 0},
            {"1,5E3", 1500}, {"25e-1", 2.5}, {"1e-400", 0}, {"", non}, {"   ", non}, {",", non}, {"-", non}, {"3.2", non},
            {"1,2,3", non}, {"abc", non}, {"1 000", non}, {"1e", non}, {"1e+", non}, {"1e400", non}, {"٣", non}};
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
        for (const auto &[texte, affiche] : QList<std::pair<const char *, const char *>>{
                 {"1013", "1013"}, {"9,60", "9,6"}, {"0,1235", "0,1235"}, {"0", "0"}, {"-2,5", "-2,5"}, {"0,00005", "0"},
                 {"0,00015", "0,0002"}, {"0,000051", "0,0001"}, {"-0,00025", "-0,0002"}, {"12,5e2", "1250"}, {"5e-5", "0"},
                 {"922337203685477,5807", "922337203685477,5807"}, {"-922337203685477,5808", "-922337203685477,5808"},
                 {"922337203685477,5808", ""}, {"1e20", ""}})
            QTest::newRow(texte) << QString::fromUtf8(texte) << false << QString::fromUtf8(affiche);
        for (const auto &[texte, affiche] : QList<std::pair<const char *, const char *>>{
                 {"0.00125", "0,0012"}, {"0.00135", "0,0014"}, {"-0.00125", "-0,0012"}, {"1e15", ""}, {"-1e15", ""}, {"inf", ""}, {"nan", ""}})
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
        QTest::newRow("poids non numériques") << Total{{{4, "1,2,3"}, {2, ""}, {13, "3.2"}}, {{4, "2"}, {2, "5"}, {13, "1"}, {14, "1"}}, "5"};
        // Fixed-form unit weights are rounded from their text, not from a double.
        QTest::newRow("forme fixe arrondie") << Total{{{25, "0,00005"}, {4, "0,33335"}, {13, "0,00004"}}, {{25, "1"}, {4, "3"}, {13, "3"}}, "1,0002"};
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

    void prix_data()
    {
        QTest::addColumn<Prix>("p");
        const auto fr = ServiceExpedition::TarifNormal, eco = ServiceExpedition::TarifEcopli, ue = ServiceExpedition::TarifCEE;
        QTest::newRow("rien") << Prix{ue, "0", "€", 0, "", "0,00 €"};
        QTest::newRow("rien, sans symbole") << Prix{fr, "0", "", 0, "", "0,00 "};
        QTest::newRow("20 g") << Prix{fr, "20", "€", 0, "", "0,66 €"};
        QTest::newRow("20,0001 g") << Prix{fr, "20,0001", "€", 0, "", "1,10 €"};
        QTest::newRow("prix avec un point") << Prix{fr, "30", "$", 2, "1.10", "1.10 $"};
        QTest::newRow("prix vide, sans symbole") << Prix{fr, "12", "", 1, "", " "};
        QTest::newRow("3000 g") << Prix{fr, "3000", "€", 0, "", "7,00 €"};
        QTest::newRow("3000,5 g") << Prix{fr, "3000,5", "€", 0, "", ">>"};
        QTest::newRow("Ecopli 250 g") << Prix{eco, "250", "€", 0, "", "2,10 €"};
        QTest::newRow("Ecopli 251 g") << Prix{eco, "251", "€", 0, "", ">>"};
        QTest::newRow("UE 2000 g") << Prix{ue, "2000", "€", 0, "", "12,65 €"};
        QTest::newRow("UE 2001 g") << Prix{ue, "2001", "€", 0, "", ">>"};
        QTest::newRow("hors plage") << Prix{fr, "", "€", 0, "", ">>"};
    }
    void prix()
    {
        QFETCH(Prix, p);
        GrilleTarif g = Tarifs::grille(p.service);
        Tarifs::restaurerDefauts(g);
        g.ValeurReserve = "99,99";
        if (p.tranche)
            g.Tranches[p.tranche - 1].Prix = p.prix;
        const Affranchissement a = affranchissement(Decimal4::depuisTexte(p.poids), g, p.symbole);
        QCOMPARE(a.texte, p.affiche);
        QCOMPARE(a.bip, p.affiche == ">>");
    }
};

QTEST_GUILESS_MAIN(TestCalculs)
#include "tst_calculs.moc"
