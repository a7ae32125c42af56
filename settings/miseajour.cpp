#include "settings/miseajour.h"

#include <QLocale>

namespace MiseAJour {

QString texte(const QDateTime &instant)
{
    // The program speaks French whatever the desktop's locale.
    const QLocale francais(QLocale::French, QLocale::France);
    return francais.toString(instant.date(), QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" à ")
        + francais.toString(instant.time(), QStringLiteral("HH:mm"));
}

QString maintenant()
{
    return texte(QDateTime::currentDateTime());
}

} // namespace MiseAJour
