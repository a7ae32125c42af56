// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculs/nombres.h"
#include "settings/catalogueelements.h"

#include <QString>

#include <array>
#include <optional>

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
