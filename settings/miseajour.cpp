// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/miseajour.h"

#include <QLocale>

namespace MiseAJour {

namespace {

// The program speaks French whatever the desktop's locale.
QLocale francais() { return QLocale(QLocale::French, QLocale::France); }

const QString FormatDate = QStringLiteral("dd/MM/yyyy");
const QString FormatHeure = QStringLiteral("HH:mm");

} // namespace

QString texte(const QDateTime &instant)
{
    return francais().toString(instant.date(), FormatDate) + QStringLiteral(" à ")
        + francais().toString(instant.time(), FormatHeure);
}

QString maintenant() { return texte(QDateTime::currentDateTime()); }

std::optional<QDate> date(const QString &tampon)
{
    const QDateTime instant = francais().toDateTime(tampon, FormatDate + QStringLiteral("' à '") + FormatHeure);
    return instant.isValid() ? std::optional<QDate>(instant.date()) : std::nullopt;
}

} // namespace MiseAJour
