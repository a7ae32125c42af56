// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculs/comparaison.h"

#include <QDialog>

class QTableWidget;

// The three services compared for the main window's total: each one's
// price, bracket, room left, next bracket and the age of its prices, the
// lowest price in bold. "Choisir" (Enter, a double click on a row) closes
// it with the current row's service chosen; "Fermer" and Escape change
// nothing.
class Form7 : public QDialog
{
    Q_OBJECT

public:
    Form7(const Comparaison &comparaison, QWidget *parent);

    // The service of the current row.
    ServiceExpedition serviceChoisi() const;

private:
    void construireTableau(const Comparaison &comparaison);
    void construireAvertissements(const QStringList &avertissements);

    QTableWidget *m_tableau = nullptr;
};
