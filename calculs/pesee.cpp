// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculs/pesee.h"

namespace {

CatalogueElements::Forme forme(int ligne) { return CatalogueElements::entree(ligne).forme; }

} // namespace

Pesee::Pesee()
{
    // A line never computed weighs 0.
    m_ligneDecimal.fill(Decimal4());
}

void Pesee::setPoidsUnitaire(int ligne, const QString &texte)
{
    const auto i = std::size_t(ligne - 1);
    m_unitaireTexte.at(i) = texte;
    if (forme(ligne) == CatalogueElements::Forme::Decimal)
        m_unitaireDecimal.at(i) = Decimal4::depuisTexte(texte);
}

void Pesee::majLigne(int ligne, QStringView compte)
{
    const auto i = std::size_t(ligne - 1);
    const auto nombre = nombreFrancais(compte);
    switch (forme(ligne)) {
    case CatalogueElements::Forme::Double: {
        const auto unitaire = nombreFrancais(m_unitaireTexte.at(i));
        // An infinite product stays: the total then says it is beyond range.
        m_ligneDouble.at(i) = nombre && unitaire ? *nombre * *unitaire : 0.0;
        break;
    }
    case CatalogueElements::Forme::Decimal: {
        const auto &unitaire = m_unitaireDecimal.at(i);
        m_ligneDecimal.at(i)
            = nombre && unitaire ? Decimal4::depuisDouble(*nombre * unitaire->versDouble()) : Decimal4();
        break;
    }
    case CatalogueElements::Forme::Grammes: {
        const QString joint = m_unitaireTexte.at(i) + compte.toString();
        m_ligneDecimal.at(i) = nombreFrancais(joint) ? Decimal4::depuisTexte(joint) : Decimal4();
        break;
    }
    }
}

void Pesee::recalculer(const Comptes &comptes)
{
    for (int ligne = 1; ligne <= int(N); ++ligne)
        majLigne(ligne, comptes.at(std::size_t(ligne - 1)));
}

std::optional<Decimal4> Pesee::total() const
{
    // Double-precision lines add up as doubles until the first decimal line;
    // from there on the running total is a decimal.
    std::size_t i = 0;
    double debut = 0.0;
    for (; i < N && forme(int(i) + 1) == CatalogueElements::Forme::Double; ++i)
        debut += m_ligneDouble[i];
    std::optional<Decimal4> somme = Decimal4::depuisDouble(debut);
    for (; i < N && somme; ++i) {
        const std::optional<Decimal4> poids = forme(int(i) + 1) == CatalogueElements::Forme::Double
            ? Decimal4::depuisDouble(m_ligneDouble[i])
            : m_ligneDecimal[i];
        somme = poids ? somme->plus(*poids) : std::nullopt;
    }
    return somme;
}

bool ligneComptee(QStringView compte)
{
    const auto n = nombreFrancais(compte);
    return n && *n != 0.0;
}

QString texteTotal(const std::optional<Decimal4> &total) { return total ? total->texte() : QStringLiteral(">>"); }
