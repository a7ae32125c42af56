// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

class FichiersIni;
class QApplication;
class QWidget;

// What the program does once its application object exists: leave at once
// if another copy runs, show the main window over the settings of
// `fichiers`, then run the event loop. `fenetreMontree`, when given, runs
// after the main window is shown and its first activation is done, just
// before the loop (the start-up benchmark quits from there).
int demarrer(QApplication &app, const FichiersIni &fichiers, const std::function<void(QWidget &)> &fenetreMontree = {});
