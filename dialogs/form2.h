// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/catalogueelements.h"
#include "settings/fichiersini.h"

#include <QDialog>

#include <array>

class ChampSaisie;
class QGroupBox;

// The element weights dialog. While the program runs, its fields Text1 to
// Text26 are where the unit weights are held: it loads them from
// PoidsElements.ini when it is created.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    Form2(const FichiersIni &fichiers, QWidget *parent);

    // The text of Text<entree>, entree 1 to 26.
    QString poids(int entree) const;

private:
    void construireChamps(const std::array<QGroupBox *, CatalogueElements::NombreGroupes> &groupes);
    void charger();
    void EnregistrerPoids();
    // Asks before saving weights that count 0 g, named by their captions.
    bool enregistrerQuandMeme(const QStringList &elements);
    void restaurerDefauts();

    FichiersIni m_fichiers;
    // By entry; the fields the user edits in Tab order.
    std::array<ChampSaisie *, CatalogueElements::NombreEntrees> m_champs{};
    QList<ChampSaisie *> m_ordre;
};
