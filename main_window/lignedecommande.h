// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>

class FichiersIni;
class QTextStream;

// The program's options: --help, --version, --importer-tarifs FICHIER and
// --exporter-tarifs FICHIER. Needs only a QCoreApplication, so that it runs
// before any window, without a display and without calling a running copy.
// The exit code when an option asked for work, its report on `sortie` and
// its failures on `erreurs`; nothing when the window should start.
std::optional<int> executerLigneDeCommande(const QStringList &arguments, const FichiersIni &fichiers,
                                           QTextStream &sortie, QTextStream &erreurs);
// The same on the standard output and error.
std::optional<int> executerLigneDeCommande(const QStringList &arguments, const FichiersIni &fichiers);
