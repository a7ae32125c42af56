// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/accesfichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AccesFichiers {

namespace {

// How opening an existing settings file went.
enum class Ouverture { Ouvert, Absent, PasUnFichier, Dossier, Erreur };

// Opens a settings file for reading, refusing anything but a regular file:
// a named pipe would block the open and the read, a device might never end.
Ouverture ouvrir(const QString &chemin, QFile &fichier)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Ouverture::Absent : Ouverture::Erreur;
    struct stat etat
    { };
    if (fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        const bool dossier = S_ISDIR(etat.st_mode);
        ::close(fd);
        return dossier ? Ouverture::Dossier : Ouverture::PasUnFichier;
    }
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Ouverture::Erreur;
    }
    return Ouverture::Ouvert;
}

// Why a folder of the account's may not hold its settings, or the empty text
// when it may: it must belong to the account, and no other account may write
// in it. Links are followed: only where they lead matters.
QString raisonDossier(const QString &dossier, bool contenant)
{
    struct stat etat
    { };
    if (::stat(QFile::encodeName(dossier).constData(), &etat) != 0)
        return {};
    const QString lequel = contenant
        ? QStringLiteral("le dossier « %1 », qui le contient,").arg(QDir::toNativeSeparators(dossier))
        : QStringLiteral("il");
    if (etat.st_uid != ::geteuid())
        return QStringLiteral("%1 appartient à un autre compte").arg(lequel);
    if (etat.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("d'autres comptes peuvent écrire dans %1")
            .arg(contenant ? lequel.chopped(1) : QStringLiteral("ce dossier"));
    return {};
}

} // namespace

QString raisonSysteme(int erreur, const QString &repli)
{
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case EFBIG:
        return QStringLiteral("la taille de fichier permise est dépassée");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès au dossier est refusé");
    case EROFS:
        return QStringLiteral("le dossier est en lecture seule");
    case EISDIR:
        return QStringLiteral("un dossier porte le nom du fichier");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("le dossier n'existe pas");
    default:
        return repli;
    }
}

ResultatEcriture echecDansDossier(const QString &chemin, const QString &raison, int erreur)
{
    const QFileInfo info(chemin);
    return ResultatEcriture::echec(QStringLiteral("Impossible d'enregistrer « %1 » dans le dossier « %2 » : %3.")
                                       .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), raison),
                                   erreur);
}

// Creates a folder and its missing parents, private to the user as the XDG
// base directory rules ask. The error number of the failure, or 0.
int creerDossier(const QString &dossier)
{
    const QByteArray nom = QFile::encodeName(dossier);
    if (::mkdir(nom.constData(), 0700) == 0)
        return 0;
    int erreur = errno;
    if (erreur == ENOENT) {
        const QString parent = QFileInfo(dossier).absolutePath();
        if (parent == dossier)
            return erreur;
        erreur = creerDossier(parent);
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

// Why the account's folder `dossier` may not hold its settings, or empty.
QString raisonDossierDuCompte(const QString &dossier)
{
    const QString raison = raisonDossier(dossier, false);
    return raison.isEmpty() ? raisonDossier(QFileInfo(dossier).absolutePath(), true) : raison;
}

bool estUnLien(const QString &chemin)
{
    struct stat etat
    { };
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISLNK(etat.st_mode);
}

QString lire(const QString &chemin, QStringView section, QStringView cle)
{
    QFile fichier;
    if (ouvrir(chemin, fichier) != Ouverture::Ouvert)
        return {};
    return FormatIni::lire(fichier.readAll(), section, cle);
}

ResultatEcriture enregistrer(const QString &chemin, const QList<EcritureIni> &ecritures, const QString &lu)
{
    const QString source = lu.isEmpty() ? chemin : lu;
    const auto echec = [&](const QString &raison, int erreur = 0) { return echecDansDossier(chemin, raison, erreur); };
    // A save writes only the file it means: never the target of a link,
    // which might be any file of the account's.
    if (estUnLien(chemin))
        return echec(QStringLiteral("le fichier est un lien symbolique"));

    QByteArray contenu;
    QFile ancien;
    switch (ouvrir(source, ancien)) {
    case Ouverture::Absent:
        break;
    case Ouverture::Dossier:
        return echec(raisonSysteme(EISDIR, {}));
    case Ouverture::PasUnFichier:
        // Replacing a pipe or a device with a file would not be a save.
        return echec(QStringLiteral("ce n'est pas un fichier ordinaire"));
    case Ouverture::Erreur:
        return echec(QStringLiteral("le fichier existant ne peut pas être lu"));
    case Ouverture::Ouvert:
        contenu = ancien.readAll();
        if (ancien.error() != QFileDevice::NoError)
            return echec(QStringLiteral("le fichier existant ne peut pas être lu"));
        ancien.close();
        break;
    }

    const ResultatEcriture applique = FormatIni::ecrire(contenu, ecritures);
    if (!applique)
        return echec(applique.raison);

    // Written beside the old file, then renamed over it: a crash, a full disk
    // or a killed process never leaves a half-written file.
    QSaveFile nouveau(chemin);
    errno = 0;
    if (!nouveau.open(QIODevice::WriteOnly)) {
        const int erreur = errno;
        return echec(raisonSysteme(erreur, QStringLiteral("le fichier ne peut pas être créé")), erreur);
    }
    // Qt reports a short write (file-size limit, full disk) as a success, so
    // the temporary file's size on disk is checked before it replaces the old.
    const bool ecrit = nouveau.write(contenu) == contenu.size() && nouveau.flush();
    const int erreur = errno;
    struct stat etat
    { };
    if (!ecrit || fstat(nouveau.handle(), &etat) != 0 || etat.st_size != contenu.size()) {
        nouveau.cancelWriting();
        return echec(raisonSysteme(erreur, QStringLiteral("l'écriture a échoué")), erreur);
    }
    errno = 0;
    if (!nouveau.commit()) {
        const int erreurCommit = errno;
        return echec(raisonSysteme(erreurCommit, QStringLiteral("l'écriture a échoué")), erreurCommit);
    }
    return {};
}

} // namespace AccesFichiers
