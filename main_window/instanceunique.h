// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One running copy of the program per account and program folder. The first
// copy holds a lock and listens on a local socket, both in the account's
// runtime folder ($XDG_RUNTIME_DIR, which only the account can enter): no
// other account can see them, take them first or reach the socket. A later
// copy asks the first to come forward, through the socket, then leaves.
// Where the account has no runtime folder, every copy runs.
class InstanceUnique : public QObject
{
    Q_OBJECT

public:
    InstanceUnique();
    ~InstanceUnique() override;

    bool estSeule() const { return m_seule; }

    // A later copy: asks the first to come forward. Waits a second at most,
    // so that a first copy that answers nothing (stopped, busy) holds no one.
    void appelerLaPremiere() const;

    // The lock and the socket of the program that runs from `repertoire`,
    // in the account's runtime folder; empty when there is none.
    static QString cheminDuVerrou(const QString &repertoire);
    static QString cheminDeLaPrise(const QString &repertoire);

signals:
    // A later copy asked this one to come forward.
    void appelee();

private:
    void ecouter();

    std::unique_ptr<QLockFile> m_verrou;
    QLocalServer *m_serveur = nullptr;
    QString m_prise;
    bool m_seule = true;
};
