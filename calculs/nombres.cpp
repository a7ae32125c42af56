// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculs/nombres.h"

#include <QLocale>
#include <QtNumeric>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool estBlanc(QChar c) { return c == u' ' || c == u'\t'; }

// The parts of a number as written: sign, digits without the comma, how many
// of them stand after the comma, and the exponent.
struct NombreEcrit
{
    bool negatif = false;
    QString chiffres;
    qsizetype decimales = 0;
    qint64 exposant = 0;
};

std::optional<NombreEcrit> analyser(QStringView texte)
{
    qsizetype i = 0;
    qsizetype fin = texte.size();
    while (i < fin && estBlanc(texte[i]))
        ++i;
    while (fin > i && estBlanc(texte[fin - 1]))
        --fin;

    NombreEcrit n;
    if (i < fin && (texte[i] == u'+' || texte[i] == u'-'))
        n.negatif = texte[i++] == u'-';
    bool virgule = false;
    for (; i < fin; ++i) {
        const QChar c = texte[i];
        if (c >= u'0' && c <= u'9') {
            n.chiffres += c;
            n.decimales += virgule ? 1 : 0;
        } else if (c == u',' && !virgule) {
            virgule = true;
        } else {
            break;
        }
    }
    if (n.chiffres.isEmpty())
        return std::nullopt;
    if (i < fin && (texte[i] == u'e' || texte[i] == u'E')) {
        ++i;
        bool exposantNegatif = false;
        if (i < fin && (texte[i] == u'+' || texte[i] == u'-'))
            exposantNegatif = texte[i++] == u'-';
        if (i == fin)
            return std::nullopt;
        for (; i < fin && texte[i] >= u'0' && texte[i] <= u'9'; ++i) {
            // Beyond this any number is 0 or too large; stop counting.
            if (n.exposant < 100000)
                n.exposant = n.exposant * 10 + (texte[i].unicode() - u'0');
        }
        if (exposantNegatif)
            n.exposant = -n.exposant;
    }
    if (i != fin)
        return std::nullopt;
    return n;
}

} // namespace

std::optional<double> nombreFrancais(QStringView texte)
{
    const auto n = analyser(texte);
    if (!n)
        return std::nullopt;
    const QString ecrit = (n->negatif ? QStringLiteral("-") : QString()) + n->chiffres + QStringLiteral("e")
        + QString::number(n->exposant - n->decimales);
    bool ok = false;
    const double valeur = QLocale::c().toDouble(ecrit, &ok);
    if (!ok || !std::isfinite(valeur)) {
        // Qt refuses a result that underflows; such a number is simply 0.
        if (!ok && n->exposant - n->decimales < 0)
            return n->negatif ? -0.0 : 0.0;
        return std::nullopt;
    }
    return valeur;
}

QString nombreCourt(double valeur)
{
    const double arrondi = QString::number(valeur, 'g', 15).toDouble();
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(arrondi, 'f', QLocale::FloatingPointShortest).replace(u'.', u',');
}

std::optional<Decimal4> Decimal4::depuisDouble(double valeur)
{
    if (!std::isfinite(valeur))
        return std::nullopt;
    // nearbyint rounds ties to even in the default rounding mode.
    const double dixMilliemes = std::nearbyint(valeur * 10000.0);
    constexpr double limite = 9223372036854775808.0; // 2^63
    if (!(dixMilliemes >= -limite && dixMilliemes < limite))
        return std::nullopt;
    return Decimal4(static_cast<std::int64_t>(dixMilliemes));
}

std::optional<Decimal4> Decimal4::depuisTexte(QStringView texte)
{
    // Exact decimal rounding of what is written, without a detour through
    // binary floating point: "0,00005" is a tie and goes to 0.
    const auto n = analyser(texte);
    if (!n)
        return std::nullopt;
    const QString &chiffres = n->chiffres;
    // Digits before the point of the value in ten-thousandths.
    const qint64 entiers = qint64(chiffres.size()) - n->decimales + n->exposant + 4;

    std::uint64_t magnitude = 0;
    constexpr std::uint64_t maxMagnitude = std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1;
    for (qint64 k = 0; k < entiers; ++k) {
        const int chiffre = k < chiffres.size() ? chiffres[k].unicode() - u'0' : 0;
        if (magnitude > (maxMagnitude - std::uint64_t(chiffre)) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + std::uint64_t(chiffre);
    }

    // Rounding: the first dropped digit, and whether anything follows it.
    const qint64 premierEcarte = std::max<qint64>(entiers, 0);
    int ecarte = 0;
    bool reste = false;
    if (entiers >= 0 && premierEcarte < chiffres.size())
        ecarte = chiffres[premierEcarte].unicode() - u'0';
    for (qint64 k = premierEcarte + (entiers >= 0 ? 1 : 0); k < chiffres.size(); ++k)
        reste = reste || chiffres[k] != u'0';
    if (entiers < 0) {
        // Every digit lies below the first dropped place: less than a half.
        ecarte = 0;
    }
    if (ecarte > 5 || (ecarte == 5 && (reste || magnitude % 2 == 1)))
        ++magnitude;

    if (magnitude > maxMagnitude || (magnitude == maxMagnitude && !n->negatif))
        return std::nullopt;
    if (n->negatif)
        return Decimal4(magnitude == maxMagnitude ? std::numeric_limits<std::int64_t>::min()
                                                  : -std::int64_t(magnitude));
    return Decimal4(std::int64_t(magnitude));
}

double Decimal4::versDouble() const { return double(m_n) / 10000.0; }

std::optional<Decimal4> Decimal4::plus(Decimal4 autre) const
{
    std::int64_t somme = 0;
    if (qAddOverflow(m_n, autre.m_n, &somme))
        return std::nullopt;
    return Decimal4(somme);
}

std::optional<Decimal4> Decimal4::moins(Decimal4 autre) const
{
    std::int64_t difference = 0;
    if (qSubOverflow(m_n, autre.m_n, &difference))
        return std::nullopt;
    return Decimal4(difference);
}

QString Decimal4::texte() const
{
    // The magnitude as unsigned, so that the smallest value has one too.
    const std::uint64_t magnitude = m_n < 0 ? std::uint64_t(0) - std::uint64_t(m_n) : std::uint64_t(m_n);
    QString t = (m_n < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        int places = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        t += u',' + QStringLiteral("%1").arg(fraction, places, 10, QLatin1Char('0'));
    }
    return t;
}
