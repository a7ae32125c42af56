// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

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
    constexpr explicit Decimal4(std::int64_t n) : m_n(n) { }
    std::int64_t m_n = 0;
};
