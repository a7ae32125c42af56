#pragma once

#include <QDateTime>
#include <QString>

// The update stamp every settings file carries, as "05/12/2026 à 10:38".
namespace MiseAJour {

inline const QString Section = QStringLiteral("Date");
inline const QString Cle = QStringLiteral("MiseAJour");

// Built from one reading of the clock, so a save at midnight cannot pair
// one day's date with the next day's time.
QString texte(const QDateTime &instant);
QString maintenant();

} // namespace MiseAJour
