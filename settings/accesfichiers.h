// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/formatini.h"

#include <QString>

// Safe access to the settings files on disk: only regular files are read,
// a save replaces its file atomically and never writes through a link, and
// every failure says why in French.
namespace AccesFichiers {

// The value stored under a section and a key; the empty text when the file,
// the section or the key is missing, or when the file cannot be read or is
// not a regular file (a pipe, a device).
QString lire(const QString &chemin, QStringView section, QStringView cle);

// Applies the writes to the bytes of `source` (`chemin` itself when empty;
// nothing if it is missing) and replaces `chemin` atomically: either all of
// them reach the disk or the file stays byte for byte as it was. Something
// other than a regular file in the file's place, a symbolic link included,
// is left alone: the save fails. `source` is only read.
ResultatEcriture enregistrer(const QString &chemin, const QList<EcritureIni> &ecritures, const QString &source = {});

// A failed save of `chemin`, naming the file, its folder and the reason.
ResultatEcriture echecDansDossier(const QString &chemin, const QString &raison, int erreur = 0);

// What the system's error number means for a save, in French; `repli` for
// the others.
QString raisonSysteme(int erreur, const QString &repli);

// Creates a folder and its missing parents, private to the account as the
// XDG base directory rules ask. The error number of the failure, or 0.
int creerDossier(const QString &dossier);

// Why the account's folder `dossier` may not hold its settings, or the empty
// text when it may: it and the folder that holds it must belong to the
// account, and no other account may write in them.
QString raisonDossierDuCompte(const QString &dossier);

bool estUnLien(const QString &chemin);

} // namespace AccesFichiers
