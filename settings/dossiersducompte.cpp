// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/dossiersducompte.h"

#include "settings/accesfichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DossiersDuCompte {

namespace {

// What keeps a folder from holding the account's settings: it or the folder
// that holds it belongs to another account, or other accounts may write it.
struct Obstacle
{
    QString dossier;
    bool contenant;
    bool etranger;
};

// Links are followed: only where they lead matters.
std::optional<Obstacle> obstacle(const QString &dossier, bool contenant)
{
    struct stat etat
    { };
    if (::stat(QFile::encodeName(dossier).constData(), &etat) != 0)
        return {};
    if (etat.st_uid != ::geteuid())
        return Obstacle{dossier, contenant, true};
    if (etat.st_mode & (S_IWGRP | S_IWOTH))
        return Obstacle{dossier, contenant, false};
    return {};
}

std::optional<Obstacle> obstacleDuCompte(const QString &dossier)
{
    const std::optional<Obstacle> lui = obstacle(dossier, false);
    return lui ? lui : obstacle(QFileInfo(dossier).absolutePath(), true);
}

// Creates a folder and its missing parents, 0700 each. The error number,
// or 0.
int creerDossiers(const QString &dossier)
{
    const QByteArray nom = QFile::encodeName(dossier);
    if (::mkdir(nom.constData(), 0700) == 0)
        return 0;
    int erreur = errno;
    if (erreur == ENOENT) {
        const QString parent = QFileInfo(dossier).absolutePath();
        if (parent == dossier)
            return erreur;
        erreur = creerDossiers(parent);
        if (erreur != 0)
            return erreur;
        if (::mkdir(nom.constData(), 0700) == 0)
            return 0;
        erreur = errno;
    }
    struct stat etat
    { };
    if (erreur == EEXIST && ::stat(nom.constData(), &etat) == 0)
        return S_ISDIR(etat.st_mode) ? 0 : ENOTDIR;
    return erreur;
}

} // namespace

QString creerDossier(const QString &dossier)
{
    // Whoever owns the nearest folder that exists decides: root writes
    // anywhere, and must not create the rest in a user's home.
    QString existant = dossier;
    struct stat etat
    { };
    while (::stat(QFile::encodeName(existant).constData(), &etat) != 0) {
        const int erreur = errno;
        const QString parent = QFileInfo(existant).absolutePath();
        if (erreur != ENOENT || parent == existant)
            return AccesFichiers::raisonSysteme(erreur, QStringLiteral("le dossier ne peut pas être créé"));
        existant = parent;
    }
    if (existant == dossier)
        return S_ISDIR(etat.st_mode) ? QString() : AccesFichiers::raisonSysteme(ENOTDIR, {});
    if (etat.st_uid != ::geteuid())
        return QStringLiteral("le dossier « %1 », où il serait créé, appartient à un autre compte")
            .arg(QDir::toNativeSeparators(existant));
    const int erreur = creerDossiers(dossier);
    return erreur == 0 ? QString()
                       : AccesFichiers::raisonSysteme(erreur, QStringLiteral("le dossier ne peut pas être créé"));
}

QString raisonDossierDuCompte(const QString &dossier)
{
    const std::optional<Obstacle> o = obstacleDuCompte(dossier);
    if (!o)
        return {};
    const QString lequel = o->contenant
        ? QStringLiteral("le dossier « %1 », qui le contient,").arg(QDir::toNativeSeparators(o->dossier))
        : QStringLiteral("il");
    if (o->etranger)
        return QStringLiteral("%1 appartient à un autre compte").arg(lequel);
    return QStringLiteral("d'autres comptes peuvent écrire dans %1")
        .arg(o->contenant ? lequel.chopped(1) : QStringLiteral("ce dossier"));
}

QString raisonDossierPrive(const QString &dossier)
{
    if (!QFileInfo(dossier).isDir())
        return QStringLiteral("ce n'est pas un dossier");
    const std::optional<Obstacle> o = obstacle(dossier, false);
    if (!o)
        return {};
    return o->etranger ? QStringLiteral("il appartient à un autre compte")
                       : QStringLiteral("d'autres comptes peuvent écrire dans ce dossier");
}

QString remedeDossierDuCompte(const QString &dossier)
{
    const std::optional<Obstacle> o = obstacleDuCompte(dossier);
    if (!o)
        return {};
    // Quoted for a shell, where the user will paste it.
    const QString nom = u'\'' + QDir::toNativeSeparators(o->dossier).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
    if (!o->etranger)
        return QStringLiteral("chmod 700 ") + nom;
    const passwd *compte = ::getpwuid(::geteuid());
    return QStringLiteral("sudo chown %1 %2")
        .arg(compte ? QFile::decodeName(compte->pw_name) : QString::number(::geteuid()), nom);
}

} // namespace DossiersDuCompte
