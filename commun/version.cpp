// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/version.h"

QString texteVersion() { return QStringLiteral(AMBRELOT_VERSION); }
