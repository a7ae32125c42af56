// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/instanceunique.h"

#include "main_window/dossierprive.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// How long a later copy keeps trying: long enough for a first copy that is
// still starting, short enough that one stopped or hung holds no one.
constexpr int Patience = 1000; // ms
constexpr int Pause = 20; // ms between two tries
// A lock this old whose owner is not known to live is taken over, so that
// one a crash left empty or unreadable frees itself. A live owner keeps its
// lock at any age: QLockFile removes a lock only once it can flock() it,
// which the owner holds.
constexpr int Peremption = 3000; // ms

// One copy per program folder: the settings live beside the executable, so
// a copy in another folder is another program.
QString chemin(const QString &dossier, const QString &repertoire, const char *extension)
{
    if (dossier.isEmpty())
        return {};
    const QByteArray empreinte
        = QCryptographicHash::hash(QDir(repertoire).canonicalPath().toUtf8(), QCryptographicHash::Sha1)
              .toHex()
              .left(16);
    return dossier + QStringLiteral("/ambrelot-") + QString::fromLatin1(empreinte) + QLatin1String(extension);
}

// On standard error, as every warning of the program.
void dire(const QString &message) { qWarning().noquote() << QStringLiteral("Ambrelot : ") + message; }

// bind() or connect() `prise` to the socket at `chemin`. A path over
// sun_path's 108 bytes is reached through its folder's descriptor in /proc,
// whose path is short.
int adresser(int prise, const QByteArray &chemin, int (*appel)(int, const sockaddr *, socklen_t))
{
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    QByteArray nom = chemin;
    int dossier = -1;
    if (std::size_t(nom.size()) >= sizeof adresse.sun_path) {
        const qsizetype barre = chemin.lastIndexOf('/');
        dossier = ::open(chemin.left(barre).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (dossier < 0)
            return -1;
        nom = "/proc/self/fd/" + QByteArray::number(dossier) + chemin.mid(barre);
    }
    int resultat = -1;
    errno = ENAMETOOLONG;
    if (std::size_t(nom.size()) < sizeof adresse.sun_path) {
        std::memcpy(adresse.sun_path, nom.constData(), std::size_t(nom.size()));
        resultat = appel(prise, reinterpret_cast<const sockaddr *>(&adresse), sizeof adresse);
    }
    const int erreur = errno;
    if (dossier >= 0)
        ::close(dossier);
    errno = erreur;
    return resultat;
}

} // namespace

QString InstanceUnique::cheminDuVerrou(const QString &repertoire)
{
    return chemin(dossierPrive(), repertoire, ".lock");
}

QString InstanceUnique::cheminDeLaPrise(const QString &repertoire)
{
    return chemin(dossierPrive(), repertoire, ".socket");
}

InstanceUnique::InstanceUnique()
{
    QString raison;
    const QString dossier = dossierPrive(&raison);
    if (dossier.isEmpty()) {
        dire(QStringLiteral("aucun dossier sûr pour le verrou (%1) ; chaque démarrage ouvre sa propre fenêtre.")
                 .arg(raison));
        return;
    }
    const QString repertoire = QCoreApplication::applicationDirPath();
    const QString verrou = chemin(dossier, repertoire, ".lock");
    m_prise = QFile::encodeName(chemin(dossier, repertoire, ".socket"));
    m_verrou = std::make_unique<QLockFile>(verrou);
    m_verrou->setStaleLockTime(Peremption);
    // The lock and the first copy in turn: a first copy may be starting
    // (not listening yet) or leaving (its socket gone, its lock not yet).
    for (const QDeadlineTimer fin(Patience);; QThread::msleep(Pause)) {
        if (m_verrou->tryLock(0)) {
            ecouter();
            return;
        }
        if (m_verrou->error() != QLockFile::LockFailedError) {
            dire(QStringLiteral("le verrou %1 ne peut pas être créé ; chaque démarrage ouvre sa propre fenêtre.")
                     .arg(verrou));
            return;
        }
        if (fin.hasExpired())
            break;
        if ((m_premiereAppelee = appelerLaPremiere(fin)))
            return;
    }
    qint64 pid = 0;
    QString hote, programme;
    const QString qui = m_verrou->getLockInfo(&pid, &hote, &programme) ? QStringLiteral("le processus %1").arg(pid)
                                                                       : QStringLiteral("une autre copie");
    dire(QStringLiteral("%1 tient le verrou %2 mais ne répond pas ; cette copie ouvre sa propre fenêtre.")
             .arg(qui, verrou));
}

InstanceUnique::~InstanceUnique()
{
    // The socket goes before the lock: once the lock is free, a new first
    // copy may put its own socket at the same path, which this one must not
    // remove.
    if (m_ecoute >= 0) {
        delete m_notificateur;
        ::close(m_ecoute);
        ::unlink(m_prise.constData());
    }
    m_verrou.reset();
}

bool InstanceUnique::appelerLaPremiere(const QDeadlineTimer &fin) const
{
    const int appel = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    bool repondu = false;
    if (appel >= 0 && adresser(appel, m_prise, ::connect) == 0) {
        // Connected is not answered: a stopped first copy still queues the
        // call. Only its reply proves it came forward.
        pollfd attente{appel, POLLIN, 0};
        int pret;
        while ((pret = ::poll(&attente, 1, int(fin.remainingTime()))) < 0 && errno == EINTR) { }
        char reponse = 0;
        repondu = pret == 1 && ::read(appel, &reponse, 1) == 1;
    }
    if (appel >= 0)
        ::close(appel);
    return repondu;
}

void InstanceUnique::ecouter()
{
    // A copy that died left its socket behind; the lock says it is gone.
    ::unlink(m_prise.constData());
    m_ecoute = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_ecoute < 0 || adresser(m_ecoute, m_prise, ::bind) != 0 || ::listen(m_ecoute, 8) != 0) {
        dire(QStringLiteral("la prise %1 ne peut pas être ouverte (%2) ; un autre démarrage ouvrira sa propre fenêtre.")
                 .arg(QFile::decodeName(m_prise), qt_error_string(errno)));
        if (m_ecoute >= 0)
            ::close(m_ecoute);
        m_ecoute = -1;
        return;
    }
    m_notificateur = new QSocketNotifier(m_ecoute, QSocketNotifier::Read, this);
    connect(m_notificateur, &QSocketNotifier::activated, this, &InstanceUnique::repondre);
}

void InstanceUnique::repondre()
{
    for (int appel; (appel = ::accept4(m_ecoute, nullptr, nullptr, SOCK_CLOEXEC)) >= 0; ::close(appel)) {
        // The folder already keeps other accounts out; this holds even where
        // it would not.
        ucred qui{};
        socklen_t taille = sizeof qui;
        if (::getsockopt(appel, SOL_SOCKET, SO_PEERCRED, &qui, &taille) != 0 || qui.uid != ::geteuid())
            continue;
        emit appelee();
        ::send(appel, "1", 1, MSG_NOSIGNAL);
    }
}
