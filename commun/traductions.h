// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Puts Qt's own texts (context menus of the text boxes, message box buttons)
// into French, whatever the desktop's language: the program speaks French
// only. Returns false when Qt's French catalogue is not installed.
bool installerTraductionsQt(QCoreApplication &application);
