// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QDeadlineTimer;
class QLockFile;
class QSocketNotifier;

// One running copy of the program per account and program folder. The first
// copy holds a lock and listens on a Unix socket, both in the account's
// private folder (dossierPrive()): no other account can see them, take them
// first or reach the socket. A later copy asks the first to come forward,
// through the socket, and leaves once it has answered. No start ever ends
// without a window: a lock whose owner is gone is taken over, and when the
// owner lives but does not answer, or no private folder can be had, this
// copy runs on its own and says why on standard error.
class InstanceUnique : public QObject
{
    Q_OBJECT

public:
    InstanceUnique();
    ~InstanceUnique() override;

    // The first copy came forward: this one has nothing to show.
    bool premiereAppelee() const { return m_premiereAppelee; }

    // The lock and the socket of the program that runs from `repertoire`,
    // in the account's private folder; empty when there is none.
    static QString cheminDuVerrou(const QString &repertoire);
    static QString cheminDeLaPrise(const QString &repertoire);

signals:
    // A later copy asked this one to come forward.
    void appelee();

private:
    bool appelerLaPremiere(const QDeadlineTimer &fin) const;
    void ecouter();
    void repondre();

    std::unique_ptr<QLockFile> m_verrou;
    QSocketNotifier *m_notificateur = nullptr;
    QByteArray m_prise;
    int m_ecoute = -1;
    bool m_premiereAppelee = false;
};
