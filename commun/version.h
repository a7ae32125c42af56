// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The program's version, as the main window's caption and the About
// box show it.
QString texteVersion();
