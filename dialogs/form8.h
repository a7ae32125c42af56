// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fichiertarifs.h"

#include <QDialog>

// What importing a price file would change, shown before anything is
// written: the file, each named service's product and day, every bracket of
// those services with its price now and after (a changed price in bold), and
// a red line when the prices come into force later. "Enregistrer" accepts,
// and the caller imports; "Annuler" and Escape change nothing.
class Form8 : public QDialog
{
    Q_OBJECT

public:
    Form8(const QString &nomFichier, const QList<FichierTarifs::ServiceLu> &services,
          const std::array<GrilleTarif, 3> &grilles, QWidget *parent);
};
