// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculs/affranchissement.h"

#include <algorithm>

bool estNul(const std::optional<Decimal4> &total) { return total && total->dixMilliemes() == 0; }

QString avecSymbole(const QString &prix, const QString &symbole) { return prix + u' ' + symbole; }

bool estOfferte(const TrancheTarif &tranche) { return tranche.Prix != NonOffert; }

qsizetype premiereTranche(const std::optional<Decimal4> &total, const GrilleTarif &grille)
{
    if (!total)
        return grille.Tranches.size();
    // Whole-gram bounds against a double: 20 takes 20 and not 20,0001.
    const double poids = total->versDouble();
    return std::find_if(grille.Tranches.cbegin(), grille.Tranches.cend(),
                        [poids](const TrancheTarif &t) { return poids <= t.PoidsMaxi; })
        - grille.Tranches.cbegin();
}

qsizetype trancheApplicable(const std::optional<Decimal4> &total, const GrilleTarif &grille)
{
    const qsizetype t = premiereTranche(total, grille);
    return t < grille.Tranches.size() && estOfferte(grille.Tranches.at(t)) ? t : grille.Tranches.size();
}

std::optional<double> montant(QStringView prix)
{
    // Digits with one decimal mark at most, on either side of it: no sign,
    // exponent, spaces or words, which no price list writes.
    qsizetype marques = 0;
    qsizetype chiffres = 0;
    for (const QChar c : prix) {
        if (c == u',' || c == u'.')
            ++marques;
        else if (c >= u'0' && c <= u'9')
            ++chiffres;
        else
            return std::nullopt;
    }
    if (marques > 1 || chiffres == 0)
        return std::nullopt;
    return nombreFrancais(prix.toString().replace(u'.', u','));
}

Affranchissement affranchissement(const std::optional<Decimal4> &total, const GrilleTarif &grille,
                                  const QString &symbole)
{
    if (estNul(total))
        return {avecSymbole(QStringLiteral("0,00"), symbole), false};
    const qsizetype t = trancheApplicable(total, grille);
    if (t == grille.Tranches.size())
        return {NonOffert.toString(), true};
    return {avecSymbole(grille.Tranches.at(t).Prix, symbole), false};
}
