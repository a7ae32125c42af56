// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculs/affranchissement.h"

#include <algorithm>

bool estNul(const std::optional<Decimal4> &total) { return total && total->dixMilliemes() == 0; }

QString avecSymbole(const QString &prix, const QString &symbole) { return prix + u' ' + symbole; }

qsizetype trancheApplicable(const std::optional<Decimal4> &total, const GrilleTarif &grille)
{
    if (!total)
        return grille.Tranches.size();
    // Whole-gram bounds against a double: 20 takes 20 and not 20,0001.
    const double poids = total->versDouble();
    return std::find_if(grille.Tranches.cbegin(), grille.Tranches.cend(),
                        [poids](const TrancheTarif &t) { return poids <= t.PoidsMaxi; })
        - grille.Tranches.cbegin();
}

Affranchissement affranchissement(const std::optional<Decimal4> &total, const GrilleTarif &grille,
                                  const QString &symbole)
{
    if (estNul(total))
        return {avecSymbole(QStringLiteral("0,00"), symbole), false};
    const qsizetype t = trancheApplicable(total, grille);
    if (t == grille.Tranches.size())
        return {QStringLiteral(">>"), true};
    return {avecSymbole(grille.Tranches.at(t).Prix, symbole), false};
}
