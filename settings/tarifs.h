// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/fichiersini.h"
#include "settings/miseajour.h"

#include <QList>
#include <QString>

enum class ServiceExpedition { TarifNormal, TarifEcopli, TarifCEE };

inline constexpr ServiceExpedition TousLesServices[]
    = {ServiceExpedition::TarifNormal, ServiceExpedition::TarifEcopli, ServiceExpedition::TarifCEE};

struct TrancheTarif
{
    int PoidsMaxi; // inclusive upper bound, in grams
    QString Cle;
    QString PrixDefaut;
    QString Prix; // current price text, never converted here
};

struct GrilleTarif
{
    ServiceExpedition Service;
    QString Nom; // "France Rapide", as the comparison names it
    QString NomOption; // "Expédition France Rapide", as the main window's option button does
    FichierReglages Fichier;
    QString NomFichier; // the file's base name, "TarifNormal" for TarifNormal.ini
    QString Section;
    QList<TrancheTarif> Tranches;
    // A value stored in the price section under no bracket, carried
    // unchanged from load to save: the EU grid's TarifCEE2000Gr. No key, none.
    QString CleReserve;
    QString ValeurReserve;
    // The grid whose file keeps the currency symbol of all three.
    bool PorteSymbole = false;
    QString Symbole;
    QString MiseAJour;
};

// The currency symbol: one setting for all services, kept in the file of the
// grid that carries it.
namespace SymboleMonetaire {
inline const QString Section = QStringLiteral("Symbole Monétaire");
inline const QString Cle = QStringLiteral("Symbole Monétaire Employé");
inline const QString Defaut = QStringLiteral("€");

QString lire(const FichiersIni &fichiers);
} // namespace SymboleMonetaire

namespace Tarifs {

// The grid as built in: bounds, keys and default prices; Prix empty.
const GrilleTarif &grille(ServiceExpedition service);
// The one whose file keeps the currency symbol.
const GrilleTarif &grilleDuSymbole();

// Reads the prices in bracket order, then the reserve value, then the
// currency symbol where the grid carries it, then the stamp.
GrilleTarif charger(ServiceExpedition service, const FichiersIni &fichiers);

// The grid's update stamp as its file holds it; empty when never saved.
QString miseAJour(ServiceExpedition service, const FichiersIni &fichiers);

// Every Prix set to its PrixDefaut, and the symbol where the grid carries
// it; reserve and stamp untouched.
void restaurerDefauts(GrilleTarif &grille);

// Writes the prices in bracket order, the reserve value, the symbol where
// the grid carries it, then a new stamp, as one atomic replacement.
ResultatEcriture enregistrer(const GrilleTarif &grille, const FichiersIni &fichiers,
                             const QString &miseAJour = MiseAJour::maintenant());

} // namespace Tarifs
