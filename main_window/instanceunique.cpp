#include "main_window/instanceunique.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// One lock per user and per program directory: the settings live beside the
// executable, so a copy in another directory is another program.
QString InstanceUnique::cheminDuVerrou(const QString &repertoire)
{
    QByteArray cle = QDir(repertoire).canonicalPath().toUtf8();
#ifdef Q_OS_UNIX
    cle += '\n' + QByteArray::number(::getuid());
#endif
    const QByteArray empreinte = QCryptographicHash::hash(cle, QCryptographicHash::Sha1).toHex().left(16);
    return QDir::temp().filePath(QStringLiteral("ambrelot-") + QString::fromLatin1(empreinte)
                                 + QStringLiteral(".lock"));
}

InstanceUnique::InstanceUnique()
    : m_verrou(std::make_unique<QLockFile>(cheminDuVerrou(QCoreApplication::applicationDirPath())))
{
    // Only a dead owner makes a lock stale, never its age: a copy may run for days.
    m_verrou->setStaleLockTime(0);
    m_seule = m_verrou->tryLock(0);
    // A lock that cannot be created at all (unwritable temporary directory)
    // must not keep the user from working.
    if (!m_seule && m_verrou->error() != QLockFile::LockFailedError)
        m_seule = true;
}

InstanceUnique::~InstanceUnique() = default;
