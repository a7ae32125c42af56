// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/horloge.h"

#include "commun/version.h"

#include <QDateTime>
#include <QLocale>

QString legendeHorloge(const QDateTime &instant)
{
    const QLocale francais(QLocale::French, QLocale::France);
    return QStringLiteral("Ambrelot V.") + texteVersion() + QStringLiteral("         ")
        + francais.toString(instant.date(), QLocale::LongFormat) + u' '
        + francais.toString(instant.time(), QStringLiteral("HH:mm:ss"));
}
