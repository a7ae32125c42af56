// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "commun/apparence.h"
#include "settings/tarifs.h"

#include <QRect>

#include <vector>

// The three tariff dialogs' design: one table per service.
namespace DessinFormTarif {

// What a field holds besides a bracket's price.
constexpr int Symbole = 0;
constexpr int Reserve = -1;

struct Champ
{
    const char *nom;
    int tranche; // 1-based bracket, or Symbole, or Reserve
    QRect geometrie;
    const char *nomLabel;
    const char16_t *legende;
    QRect geometrieLabel;
};

struct Bouton
{
    const char *nom;
    const char16_t *legende;
    QRect geometrie;
};

struct Modele
{
    const char *nom;
    const char16_t *prefixeLegende;
    const char16_t *quoi; // for the message of a failed save
    int largeur, hauteur;
    bool dansLaBarreDesTaches;
    QRect cadre;
    const char16_t *legendeCadre;
    Qt::Alignment alignement;
    bool boutonsSurLaFenetre;
    std::vector<Champ> champs;
    std::vector<Bouton> boutons;
};

// The design of the dialog that edits `service`'s grid.
const Modele &modele(ServiceExpedition service);

} // namespace DessinFormTarif
