// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/dossierprive.h"

#include "settings/dossiersducompte.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace {

// HOME when it names a folder, else the account database: an unset HOME
// must never make "/" the home.
QString maison()
{
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return QFile::decodeName(home);
    const passwd *compte = ::getpwuid(::geteuid());
    return compte && compte->pw_dir ? QFile::decodeName(compte->pw_dir) : QString();
}

} // namespace

QString dossierPrive(QString *raison)
{
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (runtime.startsWith(u'/') && DossiersDuCompte::raisonDossierPrive(runtime).isEmpty())
        return runtime;
    const QString home = maison();
    const QString dossier = home + QStringLiteral("/.cache/ambrelot");
    // Created as the settings folder is, never in another account's folder
    // (root with the user's HOME), and checked as it is.
    QString pourquoi
        = home.startsWith(u'/') ? DossiersDuCompte::creerDossier(dossier) : QStringLiteral("aucun dossier personnel");
    if (pourquoi.isEmpty())
        pourquoi = DossiersDuCompte::raisonDossierDuCompte(dossier);
    if (pourquoi.isEmpty())
        return dossier;
    if (raison)
        *raison = QStringLiteral("%1 : %2").arg(dossier, pourquoi);
    return {};
}
