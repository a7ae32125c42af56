// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The update stamp every settings file carries, as "05/12/2026 à 10:38".
namespace MiseAJour {

inline const QString Section = QStringLiteral("Date");
inline const QString Cle = QStringLiteral("MiseAJour");

// Built from one reading of the clock, so a save at midnight cannot pair
// one day's date with the next day's time.
QString texte(const QDateTime &instant);
QString maintenant();

// The day a stamp was written, read with the format texte() writes;
// nothing for a stamp that does not read so.
std::optional<QDate> date(const QString &tampon);

} // namespace MiseAJour
