// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The account's own folder for the single-instance lock and socket:
// $XDG_RUNTIME_DIR when it is absolute, the account's and closed to others,
// else ~/.cache/ambrelot, created 0700. Never a shared temporary folder,
// where another account could create the folder first. Empty, with `raison`
// saying why, when neither can be used.
QString dossierPrive(QString *raison = nullptr);
