#pragma once

#include "settings/catalogueelements.h"
#include "settings/comparaison.h"
#include "settings/tarifs.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

// French text to number: optional surrounding spaces, an optional sign,
// digits with at most one decimal comma ("5," and ",5" are numbers, a lone
// "," is not), an optional exponent ("1,5E3"). No period, no grouping.
// Anything else, and a result too large for a double, is not a number.
std::optional<double> nombreFrancais(QStringView texte);

// A count written back after a click: rounded to 15 significant digits, as
// the original platform writes a double, then in its shortest form with the
// decimal comma and no grouping ("1000", "2,5"; 0,9 - 1 gives "-0,1", not
// "-0,09999999999999998").
QString nombreCourt(double valeur);

// A decimal with four places: a signed 64-bit count of ten-thousandths.
// Every operation that would leave the range says so instead of wrapping.
class Decimal4
{
public:
    constexpr Decimal4() = default;

    // Rounded to the nearest ten-thousandth, ties to even.
    static std::optional<Decimal4> depuisDouble(double valeur);
    static std::optional<Decimal4> depuisTexte(QStringView texte);

    constexpr std::int64_t dixMilliemes() const { return m_n; }
    double versDouble() const;

    std::optional<Decimal4> plus(Decimal4 autre) const;
    std::optional<Decimal4> moins(Decimal4 autre) const;

    // Shortest French form: "9,6", "1013", "0,1235", "0", "-2,5".
    QString texte() const;

    friend constexpr bool operator==(Decimal4 a, Decimal4 b) { return a.m_n == b.m_n; }
    friend constexpr bool operator!=(Decimal4 a, Decimal4 b) { return a.m_n != b.m_n; }

private:
    constexpr explicit Decimal4(std::int64_t n) : m_n(n) {}
    std::int64_t m_n = 0;
};

// One count per line of the main window, in line order.
using Comptes = std::array<QString, CatalogueElements::NombreEntrees>;

// The weights side of the main window: the copies of the unit weights
// (PoidsUnitaire) and each line's weight (PoidsLigne), lines 1 to 26, each
// kept in the form its catalogue entry gives.
class Pesee
{
public:
    Pesee();

    // Activation: takes the unit weight text of a line; a decimal line
    // converts it now.
    void setPoidsUnitaire(int ligne, const QString &texte);

    // Line update: the line's weight from its count box text. A count or a
    // unit weight that is no number, or a weight beyond the decimal's range,
    // makes the line weigh 0.
    void majLigne(int ligne, QStringView compte);

    // Every line again from the counts shown, with the current unit weights.
    void recalculer(const Comptes &comptes);

    // Total_Grammes: the sum in line order, in double precision up to the
    // first line kept as a decimal, then in the decimal form. Empty when
    // beyond its range.
    std::optional<Decimal4> total() const;

private:
    static constexpr std::size_t N = CatalogueElements::NombreEntrees;
    std::array<QString, N> m_unitaireTexte;
    std::array<std::optional<Decimal4>, N> m_unitaireDecimal{};
    std::array<double, N> m_ligneDouble{};
    // Empty for a weight beyond the decimal's range.
    std::array<std::optional<Decimal4>, N> m_ligneDecimal{};
};

// A caption label turns red while its box holds a number other than 0.
bool ligneComptee(QStringView compte);

// Label3's text for a total; ">>" when the total is beyond the decimal's range.
QString texteTotal(const std::optional<Decimal4> &total);

// The bracket that prices a total other than 0: the index of the first
// whose bound is at least the total; the number of brackets beyond the last
// bound, and beyond the decimal's range.
qsizetype trancheApplicable(const std::optional<Decimal4> &total, const GrilleTarif &grille);

// What Label5 shows for a weight: the price text of the first bracket whose
// bound is at least the weight, a space and the symbol; "0,00 " and the
// symbol for 0; ">>" with a beep beyond the last bracket.
struct Affranchissement
{
    QString texte;
    bool bip = false;
};

Affranchissement affranchissement(const std::optional<Decimal4> &total, const GrilleTarif &grille,
                                  const QString &symbole);

// "0,00 " and the symbol, the price display at rest.
QString prixNul(const QString &symbole);

// The three services compared for a total, over the main window's grids
// (with their stamps) and symbol, each priced as Label5 prices it. A grid
// never saved, or saved before 1 January of `aujourdhui`'s year, asks for a
// look.
Comparaison comparerServices(const std::optional<Decimal4> &total, const std::array<GrilleTarif, 3> &grilles,
                             const QString &symbole, ServiceExpedition choisi, QDate aujourdhui);
