// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The windows the main window's menu opens, the tariff ones in the order of
// ServiceExpedition.
enum class Fenetre { Poids, TarifNormal, TarifEcopli, TarifCEE, APropos };
