// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What became of a write. A failed write changes nothing on disk, and
// `raison` says why in French, ready to show to the user.
struct ResultatEcriture
{
    bool ok = true;
    QString raison;
    // The system's error number when the system refused the write, else 0.
    int erreur = 0;

    static ResultatEcriture echec(const QString &raison, int erreur = 0) { return {false, raison, erreur}; }
    explicit operator bool() const { return ok; }
};

// One key to store, for the writes that a save makes in one go.
struct EcritureIni
{
    QString section;
    QString cle;
    QString valeur;
};

// The text format of the settings files, Windows-1252 INI, on bytes.
namespace FormatIni {

// Longest value a read returns; longer ones are cut.
inline constexpr int LongueurMaxValeur = 254;

QString lire(QByteArrayView contenu, QStringView section, QStringView cle);

// Applies the writes one after the other to `contenu`. On failure `contenu`
// is left as it was.
ResultatEcriture ecrire(QByteArray &contenu, const QList<EcritureIni> &ecritures);

} // namespace FormatIni
