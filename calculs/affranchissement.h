// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculs/nombres.h"
#include "settings/tarifs.h"

#include <QString>

#include <optional>

// A bracket priced ">>" is not offered: it prices as a weight beyond the
// last bracket does.
inline constexpr QStringView NonOffert = u">>";
bool estOfferte(const TrancheTarif &tranche);

// The index of the first bracket whose bound is at least the total; the
// number of brackets beyond the last bound, and beyond the decimal's range.
qsizetype premiereTranche(const std::optional<Decimal4> &total, const GrilleTarif &grille);

// The bracket that prices a total other than 0: the first one, when it is
// offered; else the number of brackets.
qsizetype trancheApplicable(const std::optional<Decimal4> &total, const GrilleTarif &grille);

// A price text as an amount, when it is a plain one: digits with at most one
// decimal comma or point ("0.50" is 0,50); "-5", "1E-400", "nan", "1 000"
// and "" are none.
std::optional<double> montant(QStringView prix);

// What Label5 shows for a weight: the price text of the first bracket whose
// bound is at least the weight, a space and the symbol; "0,00 " and the
// symbol for 0; ">>" with a beep beyond the last bracket or in a bracket
// that is not offered.
struct Affranchissement
{
    QString texte;
    bool bip = false;
};

Affranchissement affranchissement(const std::optional<Decimal4> &total, const GrilleTarif &grille,
                                  const QString &symbole);

// A total of exactly 0, which every grid prices "0,00".
bool estNul(const std::optional<Decimal4> &total);

// A price as the main window writes it: the text, a space, the symbol.
QString avecSymbole(const QString &prix, const QString &symbole);
