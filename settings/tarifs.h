#pragma once

#include "settings/fichiersini.h"
#include "settings/miseajour.h"

#include <QList>
#include <QString>

enum class ServiceExpedition { TarifNormal, TarifEcopli, TarifCEE };

inline constexpr ServiceExpedition TousLesServices[] = {
    ServiceExpedition::TarifNormal, ServiceExpedition::TarifEcopli, ServiceExpedition::TarifCEE};

struct TrancheTarif
{
    int PoidsMaxi;        // inclusive upper bound, in grams
    QString Cle;
    QString PrixDefaut;
    QString Prix;         // current price text, never converted here
};

struct GrilleTarif
{
    ServiceExpedition Service;
    FichierIni Fichier;
    QString Section;
    QList<TrancheTarif> Tranches;
    QString ValeurReserve;  // EU grid only: TarifCEE2000Gr, carried unchanged
    QString MiseAJour;
};

// The currency symbol: one setting for all services, kept in TarifNormal.ini.
namespace SymboleMonetaire {
inline const QString Section = QStringLiteral("Symbole Monétaire");
inline const QString Cle = QStringLiteral("Symbole Monétaire Employé");
inline const QString Defaut = QStringLiteral("€");

QString lire(const FichiersIni &fichiers);
} // namespace SymboleMonetaire

namespace Tarifs {

// Key of the EU grid's reserve value, which no bracket uses.
inline const QString CleReserve = QStringLiteral("TarifCEE2000Gr");

// The grid as built in: bounds, keys and default prices; Prix empty.
const GrilleTarif &grille(ServiceExpedition service);

// Reads the prices in bracket order, then the EU reserve, then (France
// Rapide, when `symbole` is given) the currency symbol, then the stamp.
GrilleTarif charger(ServiceExpedition service, const FichiersIni &fichiers,
                    QString *symbole = nullptr);

// Every Prix set to its PrixDefaut; reserve and stamp untouched.
void restaurerDefauts(GrilleTarif &grille);

// Writes the prices in bracket order, the EU reserve, the symbol (France
// Rapide only: pass it), then a new stamp, as one atomic replacement.
ResultatEcriture enregistrer(const GrilleTarif &grille, const FichiersIni &fichiers,
                             const QString *symbole = nullptr,
                             const QString &miseAJour = MiseAJour::maintenant());

} // namespace Tarifs
