// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculs/affranchissement.h"
#include "settings/tarifs.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The three services side by side for the main window's total, every text
// ready to show: computed by the main window, shown by the comparison
// window, which computes nothing.
struct ServiceCompare
{
    QString prix; // what Label5 shows for this service
    QString tranche; // "jusqu'à 50 g", "au-delà de 3000 g"
    QString marge; // "encore 27,5 g"
    QString suivante; // "1,65 € jusqu'à 100 g", "aucune"
    QString prixDu; // the grid's stamp, "jamais enregistrés"
    bool moinsCher = false;
};

struct Comparaison
{
    QString total; // as Label3 shows it
    std::array<ServiceCompare, 3> services; // indexed by ServiceExpedition
    QStringList avertissements; // one line per grid whose prices need a look
    ServiceExpedition choisi = ServiceExpedition::TarifNormal;
};

// The three services compared for a total, over the main window's grids
// (with their stamps) and symbol, each priced as Label5 prices it. A grid
// never saved, or saved before 1 January of `aujourdhui`'s year, asks for a
// look.
Comparaison comparerServices(const std::optional<Decimal4> &total, const std::array<GrilleTarif, 3> &grilles,
                             const QString &symbole, ServiceExpedition choisi, QDate aujourdhui);
