// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/formatini.h"

#include <QString>

// Safe access to the settings files on disk: only regular files are read,
// a save replaces its file atomically and never writes through a link, and
// every failure says why in French.
namespace AccesFichiers {

// Largest settings file read or saved; the program's own are a few
// kilobytes, so anything bigger is not a settings file and is refused
// before it is read whole.
inline constexpr qint64 TailleMax = 1024 * 1024;

// The bytes of a settings file; empty when it is missing, cannot be read or
// is not a regular file (a pipe, a device), and when it is over TailleMax,
// which a line on standard error reports.
QByteArray contenu(const QString &chemin);

// Applies the writes to the bytes of `source` (`chemin` itself when empty;
// nothing if it is missing) and replaces `chemin` atomically: either all of
// them reach the disk or the file stays byte for byte as it was. Something
// other than a regular file in the file's place, a symbolic link included,
// is left alone: the save fails. `source` is only read.
ResultatEcriture enregistrer(const QString &chemin, const QList<EcritureIni> &ecritures, const QString &source = {});

// Puts `contenu` in the place of `chemin` through a new file in the same
// folder, renamed over the name: a link found there at that moment is
// replaced, never written through. A regular file's mode is kept.
ResultatEcriture remplacer(const QString &chemin, const QByteArray &contenu);

// A failed save of `chemin`, naming the file, its folder and the reason.
ResultatEcriture echecDansDossier(const QString &chemin, const QString &raison, int erreur = 0);

// What the system's error number means for a save, in French; `repli` for
// the others.
QString raisonSysteme(int erreur, const QString &repli);

bool estUnLien(const QString &chemin);
// A regular file itself, not a link to one.
bool estUnFichier(const QString &chemin);

} // namespace AccesFichiers
