#include "commun/version.h"

QString texteVersion()
{
    return QStringLiteral(AMBRELOT_VERSION);
}
