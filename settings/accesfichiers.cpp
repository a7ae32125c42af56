// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/accesfichiers.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AccesFichiers {

namespace {

// How reading a whole settings file went.
enum class Ouverture { Ouvert, Absent, PasUnFichier, Dossier, TropGrand, Erreur };

// Reads a regular file of at most TailleMax bytes. A named pipe would block
// an ordinary open and read, a device might never end, and a huge file
// (sparse, it costs no disk) would exhaust memory: none is read.
Ouverture lireTout(const QString &chemin, QByteArray &octets)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Ouverture::Absent : Ouverture::Erreur;
    const auto fermer = qScopeGuard([fd] { ::close(fd); });
    struct stat etat
    { };
    if (fstat(fd, &etat) != 0)
        return Ouverture::Erreur;
    if (!S_ISREG(etat.st_mode))
        return S_ISDIR(etat.st_mode) ? Ouverture::Dossier : Ouverture::PasUnFichier;
    if (etat.st_size > TailleMax)
        return Ouverture::TropGrand;
    // One byte more than the size tells a file that grew since.
    octets.resize(qsizetype(etat.st_size) + 1);
    qsizetype lu = 0;
    for (ssize_t n = 1; n != 0 && lu <= TailleMax;) {
        if (lu == octets.size())
            octets.resize(std::min<qsizetype>(2 * lu, TailleMax + 1));
        n = ::read(fd, octets.data() + lu, size_t(octets.size() - lu));
        if (n < 0 && errno != EINTR)
            return Ouverture::Erreur;
        lu += std::max<ssize_t>(n, 0);
    }
    octets.truncate(lu);
    return lu > TailleMax ? Ouverture::TropGrand : Ouverture::Ouvert;
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

bool estUnLien(const QString &chemin)
{
    struct stat etat
    { };
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISLNK(etat.st_mode);
}

bool estUnFichier(const QString &chemin)
{
    struct stat etat
    { };
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISREG(etat.st_mode);
}

QByteArray contenu(const QString &chemin)
{
    QByteArray octets;
    const Ouverture ouverture = lireTout(chemin, octets);
    if (ouverture == Ouverture::TropGrand)
        qWarning().noquote() << QStringLiteral(
                                    "Ambrelot : « %1 » n'est pas lu, il dépasse 1 Mio : ce n'est pas un fichier de "
                                    "réglages.")
                                    .arg(QDir::toNativeSeparators(chemin));
    return ouverture == Ouverture::Ouvert ? octets : QByteArray();
}

ResultatEcriture enregistrer(const QString &chemin, const QList<EcritureIni> &ecritures, const QString &lu)
{
    const QString source = lu.isEmpty() ? chemin : lu;
    const auto echec = [&](const QString &raison) { return echecDansDossier(chemin, raison); };
    // A save writes only the file it means: never the target of a link,
    // which might be any file of the account's.
    if (estUnLien(chemin))
        return echec(QStringLiteral("le fichier est un lien symbolique"));

    QByteArray octets;
    switch (lireTout(source, octets)) {
    case Ouverture::Absent:
    case Ouverture::Ouvert:
        break;
    case Ouverture::Dossier:
        return echec(raisonSysteme(EISDIR, {}));
    case Ouverture::PasUnFichier:
        // Replacing a pipe or a device with a file would not be a save.
        return echec(QStringLiteral("ce n'est pas un fichier ordinaire"));
    case Ouverture::TropGrand:
        return echec(QStringLiteral("le fichier existant dépasse 1 Mio, ce n'est pas un fichier de réglages"));
    case Ouverture::Erreur:
        return echec(QStringLiteral("le fichier existant ne peut pas être lu"));
    }

    const ResultatEcriture applique = FormatIni::ecrire(octets, ecritures);
    if (!applique)
        return echec(applique.raison);
    return remplacer(chemin, octets);
}

ResultatEcriture remplacer(const QString &chemin, const QByteArray &octets)
{
    const auto echec = [&](int erreur, const char *repli) {
        return echecDansDossier(chemin, raisonSysteme(erreur, QString::fromUtf8(repli)), erreur);
    };
    const QFileInfo info(chemin);
    // The folder itself may be a link (settings kept elsewhere): where it
    // leads was checked. Only the file's own name is never followed.
    const int dossier = ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier < 0)
        return echec(errno, "le fichier ne peut pas être créé");
    const auto fermer = qScopeGuard([dossier] { ::close(dossier); });
    const QByteArray nom = QFile::encodeName(info.fileName());

    // A file the account may not write stays as it is; one it may keeps its
    // mode. A new file gets 0666 less the umask.
    struct stat etat
    { };
    const bool existant = ::fstatat(dossier, nom.constData(), &etat, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(etat.st_mode);
    if (existant && ::faccessat(dossier, nom.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) != 0)
        return echec(errno, "le fichier ne peut pas être créé");
    QByteArray temporaire;
    int fd = -1;
    for (int essai = 0; fd < 0 && essai < 100; ++essai) {
        temporaire = '.' + nom + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(dossier, temporaire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return echec(errno, "le fichier ne peut pas être créé");

    int erreur = existant && ::fchmod(fd, etat.st_mode & 0777) != 0 ? errno : 0;
    for (qsizetype fait = 0; erreur == 0 && fait < octets.size();) {
        const ssize_t n = ::write(fd, octets.constData() + fait, size_t(octets.size() - fait));
        if (n > 0)
            fait += n;
        else if (n == 0 || errno != EINTR)
            erreur = n == 0 ? EIO : errno;
    }
    if (erreur == 0 && ::fsync(fd) != 0)
        erreur = errno;
    if (::close(fd) != 0 && erreur == 0)
        erreur = errno;
    // renameat replaces whatever bears the name without following it: a
    // link swapped in by another account is replaced, its target untouched.
    if (erreur == 0 && ::renameat(dossier, temporaire.constData(), dossier, nom.constData()) != 0)
        erreur = errno;
    if (erreur == 0) {
        ::fsync(dossier);
        return {};
    }
    ::unlinkat(dossier, temporaire.constData(), 0);
    return echec(erreur, "l'écriture a échoué");
}

} // namespace AccesFichiers
