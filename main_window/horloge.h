#pragma once

#include <QString>

class QDateTime;

// The main window's caption: product, version, nine spaces, then the French
// long date and the time with seconds of one single instant.
QString legendeHorloge(const QDateTime &instant);
