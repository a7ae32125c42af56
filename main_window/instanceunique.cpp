// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/instanceunique.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {

constexpr int Patience = 1000; // ms

// One copy per program folder: the settings live beside the executable, so
// a copy in another folder is another program.
QString chemin(const QString &repertoire, const char *extension)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    const QByteArray empreinte
        = QCryptographicHash::hash(QDir(repertoire).canonicalPath().toUtf8(), QCryptographicHash::Sha1)
              .toHex()
              .left(16);
    return runtime + QStringLiteral("/ambrelot-") + QString::fromLatin1(empreinte) + QLatin1String(extension);
}

} // namespace

QString InstanceUnique::cheminDuVerrou(const QString &repertoire) { return chemin(repertoire, ".lock"); }

QString InstanceUnique::cheminDeLaPrise(const QString &repertoire) { return chemin(repertoire, ".socket"); }

InstanceUnique::InstanceUnique()
{
    const QString repertoire = QCoreApplication::applicationDirPath();
    const QString verrou = cheminDuVerrou(repertoire);
    if (verrou.isEmpty())
        return;
    m_prise = cheminDeLaPrise(repertoire);
    m_verrou = std::make_unique<QLockFile>(verrou);
    // Only a dead owner makes a lock stale, never its age: a copy may run for days.
    m_verrou->setStaleLockTime(0);
    // A lock that cannot be created at all must not keep the user from
    // working: only a lock held by a live copy sends this one away.
    m_seule = m_verrou->tryLock(0) || m_verrou->error() != QLockFile::LockFailedError;
    if (m_seule && m_verrou->isLocked())
        ecouter();
}

InstanceUnique::~InstanceUnique() = default;

void InstanceUnique::ecouter()
{
    // A copy that died left its socket behind; the lock says it is gone.
    QLocalServer::removeServer(m_prise);
    m_serveur = new QLocalServer(this);
    m_serveur->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_serveur, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *appel = m_serveur->nextPendingConnection()) {
            appel->disconnectFromServer();
            appel->deleteLater();
            emit appelee();
        }
    });
    m_serveur->listen(m_prise);
}

void InstanceUnique::appelerLaPremiere() const
{
    if (m_prise.isEmpty())
        return;
    QLocalSocket appel;
    appel.connectToServer(m_prise);
    if (appel.waitForConnected(Patience))
        appel.disconnectFromServer();
}
