// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/dossierprive.h"

#include <QFile>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why `dossier` may not hold the account's lock, or empty. The rules of the
// settings folder (raisonDossier in settings/fichiersini.cpp), and the folder
// must exist: the two are to be merged once that file is split.
QString raisonDossier(const QByteArray &dossier)
{
    struct stat etat
    { };
    if (::stat(dossier.constData(), &etat) != 0)
        return qt_error_string(errno);
    if (!S_ISDIR(etat.st_mode))
        return QStringLiteral("ce n'est pas un dossier");
    if (etat.st_uid != ::geteuid())
        return QStringLiteral("il appartient à un autre compte");
    if (etat.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("d'autres comptes peuvent y écrire");
    return {};
}

// HOME when it names a folder, else the account database: an unset HOME
// must never make "/" the home.
QByteArray maison()
{
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return home;
    const passwd *compte = ::getpwuid(::geteuid());
    return compte && compte->pw_dir ? QByteArray(compte->pw_dir) : QByteArray();
}

} // namespace

QString dossierPrive(QString *raison)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/') && raisonDossier(runtime).isEmpty())
        return QFile::decodeName(runtime);

    const QByteArray home = maison();
    const QByteArray cache = home + "/.cache";
    const QByteArray dossier = cache + "/ambrelot";
    QByteArray fautif = home;
    QString pourquoi = QStringLiteral("aucun dossier personnel");
    if (home.startsWith('/')) {
        // Nothing is created in another account's folder (root with the
        // user's HOME): it would be root's, in the user's home.
        struct stat etat
        { };
        if (::stat(home.constData(), &etat) == 0 && etat.st_uid == ::geteuid())
            ::mkdir(cache.constData(), 0700);
        fautif = cache;
        pourquoi = raisonDossier(cache);
        if (pourquoi.isEmpty()) {
            ::mkdir(dossier.constData(), 0700);
            fautif = dossier;
            pourquoi = raisonDossier(dossier);
        }
    }
    if (pourquoi.isEmpty())
        return QFile::decodeName(dossier);
    if (raison)
        *raison = QStringLiteral("%1 : %2").arg(QFile::decodeName(fautif), pourquoi);
    return {};
}
