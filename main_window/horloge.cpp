#include "main_window/horloge.h"

#include <QDateTime>
#include <QLocale>

QString legendeHorloge(const QDateTime &instant)
{
    const QLocale francais(QLocale::French, QLocale::France);
    return QStringLiteral("Ambrelot V.%1.%2.%3         ")
               .arg(AMBRELOT_VERSION_MAJOR)
               .arg(AMBRELOT_VERSION_MINOR)
               .arg(AMBRELOT_VERSION_PATCH)
        + francais.toString(instant.date(), QLocale::LongFormat) + u' '
        + francais.toString(instant.time(), QStringLiteral("HH:mm:ss"));
}
