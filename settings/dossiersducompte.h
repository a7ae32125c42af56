// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The account's own folders (settings, lock): created private to it, never
// in another account's folder, and used only while no other account owns or
// may write them.
namespace DossiersDuCompte {

// Creates a folder and its missing parents, private to the account as the
// XDG base directory rules ask, and only inside a folder of the account's:
// root running with a user's HOME would otherwise leave folders the user
// cannot write. Why it failed, in French, or the empty text.
QString creerDossier(const QString &dossier);

// Why the account's folder `dossier` may not hold its settings, or the empty
// text when it may: it and the folder that holds it must belong to the
// account, and no other account may write in them.
QString raisonDossierDuCompte(const QString &dossier);
// Why `dossier` alone may not be the account's private folder, or empty: it
// must be a folder of the account's that no other account may write.
QString raisonDossierPrive(const QString &dossier);
// The shell command that lets `dossier` hold the settings, for the reason
// above; empty when nothing stands in the way.
QString remedeDossierDuCompte(const QString &dossier);

} // namespace DossiersDuCompte
