#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells whether another copy of this program, started from the same
// directory by the same user, is running. The lock is held as long as the
// object lives; a copy that crashed leaves a lock that the next start
// recognises as stale.
class InstanceUnique
{
public:
    InstanceUnique();
    ~InstanceUnique();
    InstanceUnique(const InstanceUnique &) = delete;
    InstanceUnique &operator=(const InstanceUnique &) = delete;

    bool estSeule() const { return m_seule; }

    // The lock of the program that runs from `repertoire`.
    static QString cheminDuVerrou(const QString &repertoire);

private:
    std::unique_ptr<QLockFile> m_verrou;
    bool m_seule = false;
};
