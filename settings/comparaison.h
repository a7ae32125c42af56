#pragma once

#include "settings/tarifs.h"

#include <QString>
#include <QStringList>

#include <array>

// The three services side by side for the main window's total, every text
// ready to show: computed by the main window, shown by the comparison
// window, which computes nothing.
struct ServiceCompare
{
    QString prix;       // what Label5 shows for this service
    QString tranche;    // "jusqu'à 50 g", "au-delà de 3000 g"
    QString marge;      // "encore 27,5 g"
    QString suivante;   // "1,65 € jusqu'à 100 g", "aucune"
    QString prixDu;     // the grid's stamp, "jamais enregistrés"
    bool moinsCher = false;
};

struct Comparaison
{
    QString total;  // as Label3 shows it
    std::array<ServiceCompare, 3> services;  // indexed by ServiceExpedition
    QStringList avertissements;  // one line per grid whose prices need a look
    ServiceExpedition choisi = ServiceExpedition::TarifNormal;
};
