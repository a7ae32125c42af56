// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/fichiersini.h"
#include "settings/tarifs.h"

#include <QDialog>
#include <QList>

class ChampSaisie;

// The three tariff dialogs: Form3 (France Rapide), Form4 (France Ecopli)
// and Form5 (EU zone 1), one class laid out by a table per service. While
// the program runs, the price fields are where the grids are held: the
// dialog loads its grid from its file when it is created.
class FormTarif : public QDialog
{
    Q_OBJECT

public:
    FormTarif(ServiceExpedition service, const FichiersIni &fichiers, QWidget *parent);

    // The price field of a bracket, 1-based in bracket order.
    QString prix(int tranche) const;
    // Form5's invisible Text8 (TarifCEE2000Gr); empty for the others.
    QString valeurReserve() const;
    // The currency field: Form3's Text8, which is saved; in Form4 and Form5
    // a greyed copy of it, refreshed each time the dialog is shown.
    QString symbole() const;

protected:
    void showEvent(QShowEvent *evenement) override;

private:
    void charger();
    void EnregistrerTarif();
    void restaurerDefauts();
    void afficher(const GrilleTarif &grille);

    ServiceExpedition m_service;
    FichiersIni m_fichiers;
    QString m_prefixeLegende;
    QList<ChampSaisie *> m_prix; // in bracket order
    ChampSaisie *m_symbole = nullptr;
    ChampSaisie *m_reserve = nullptr;
};
