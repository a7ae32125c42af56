// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/fichiersini.h"
#include "settings/fichiertarifs.h"

#include <QString>

// Writes, with the built-in defaults, each of the four settings files that
// the directory lacks; a file already there is never touched. The stamp says
// when the user last saved, and in a shipped file nobody has: it keeps the
// key, empty, so that the sections stand in the order a save writes them, the
// first save only fills values in, and a user's copy differs from the shipped
// file by what the user changed alone. The grids a price file names take
// its prices and the stamp of its date instead. Fails with every file's
// reason.
ResultatEcriture ecrireFichiersManquants(const FichiersIni &fichiers, const QString &tampon = {},
                                         const QList<FichierTarifs::ServiceLu> &tarifs = {});
