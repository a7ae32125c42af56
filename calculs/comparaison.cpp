// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculs/comparaison.h"

#include "calculs/pesee.h"
#include "settings/miseajour.h"

namespace {

QString grammes(int poids) { return QString::number(poids) + QStringLiteral(" g"); }

// The bound of the last bracket below `avant` that is offered; 0 if none.
int dernierPoidsOffert(const GrilleTarif &g, qsizetype avant)
{
    for (qsizetype i = avant - 1; i >= 0; --i) {
        if (estOfferte(g.Tranches.at(i)))
            return g.Tranches.at(i).PoidsMaxi;
    }
    return 0;
}

} // namespace

Comparaison comparerServices(const std::optional<Decimal4> &total, const std::array<GrilleTarif, 3> &grilles,
                             const QString &symbole, ServiceExpedition choisi, QDate aujourdhui)
{
    Comparaison c{texteTotal(total), {}, {}, choisi};
    // The price of the bracket that applies, where it reads as a number.
    std::array<std::optional<double>, 3> montants{};
    for (const ServiceExpedition service : TousLesServices) {
        const GrilleTarif &g = grilles.at(std::size_t(service));
        ServiceCompare &s = c.services.at(std::size_t(service));
        s.prix = affranchissement(total, g, symbole).texte;
        if (estNul(total))
            continue;
        s.prixDu = g.MiseAJour.isEmpty() ? QStringLiteral("jamais enregistrés") : g.MiseAJour;
        const qsizetype t = trancheApplicable(total, g);
        if (t == g.Tranches.size()) {
            s.tranche = QStringLiteral("au-delà de ") + grammes(dernierPoidsOffert(g, premiereTranche(total, g)));
            continue;
        }
        const TrancheTarif &tranche = g.Tranches.at(t);
        s.tranche = QStringLiteral("jusqu'à ") + grammes(tranche.PoidsMaxi);
        // Beyond the decimal's range only for a total far below zero.
        if (const auto marge = Decimal4::depuisDouble(tranche.PoidsMaxi)->moins(*total))
            s.marge = QStringLiteral("encore ") + marge->texte() + QStringLiteral(" g");
        s.suivante = t + 1 == g.Tranches.size() || !estOfferte(g.Tranches.at(t + 1))
            ? QStringLiteral("aucune")
            : avecSymbole(g.Tranches.at(t + 1).Prix, symbole) + QStringLiteral(" jusqu'à ")
                + grammes(g.Tranches.at(t + 1).PoidsMaxi);
        montants.at(std::size_t(service)) = montant(tranche.Prix);
    }
    std::optional<double> plusBas;
    for (const std::optional<double> &m : montants) {
        if (m && (!plusBas || *m < *plusBas))
            plusBas = m;
    }
    for (std::size_t i = 0; i < montants.size(); ++i)
        c.services.at(i).moinsCher = montants.at(i) && montants.at(i) == plusBas;

    const QDate premierJanvier(aujourdhui.year(), 1, 1);
    for (const GrilleTarif &g : grilles) {
        if (g.MiseAJour.isEmpty())
            c.avertissements << QStringLiteral("Prix ") + g.Nom + QStringLiteral(" jamais enregistrés : vérifiez-les.");
        else if (const std::optional<QDate> jour = MiseAJour::date(g.MiseAJour); jour && *jour < premierJanvier)
            c.avertissements << QStringLiteral("Prix ") + g.Nom + QStringLiteral(" enregistrés avant le 1er janvier ")
                    + QString::number(aujourdhui.year()) + QStringLiteral(" : vérifiez-les.");
    }
    return c;
}
