// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Properties of the settings-file format and of the number conversions,
// checked on arbitrary input by the fuzzers and, on the saved corpus, by an
// ordinary test. Each check returns the empty text when everything holds,
// otherwise what went wrong.
namespace Proprietes {

// One write to try on a file's bytes.
struct CasEcriture
{
    QByteArray fichier;
    QString section, cle, valeur;
};

// A fuzz input: the file, then the section, the key and the value, each
// after a byte 0x1F and read as UTF-8. With fewer than three separators, a
// file alone, written to with a fixed key.
CasEcriture decouper(QByteArrayView entree);

// A read gives at most 254 characters; a write either gives the value back
// on reading, keeps every other line byte for byte and changes nothing when
// repeated, or is refused with a reason and leaves the bytes as they were.
QString verifierEcriture(const CasEcriture &cas);

// The French number conversion, the four-place decimal and the total agree.
QString verifierNombre(const QString &texte);

} // namespace Proprietes
