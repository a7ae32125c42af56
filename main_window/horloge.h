// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QDateTime;

// The main window's caption: product, version, nine spaces, then the French
// long date and the time with seconds of one single instant.
QString legendeHorloge(const QDateTime &instant);
