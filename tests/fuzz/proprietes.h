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
    QString section;
    QString cle;
    QString valeur;
};

// Separates the parts of a fuzz input: the file, then the section, the key
// and the value, each after a byte 0x1F and read as UTF-8 (so that texts
// outside Windows-1252 and line breaks are tried too). An input with fewer
// than three separators is a file alone, written to with a fixed key.
CasEcriture decouper(QByteArrayView entree);

// A read returns at most 254 characters; a write either succeeds, gives the
// value back on reading and keeps every other line byte for byte, or is
// refused with a reason and leaves the bytes as they were.
QString verifierEcriture(const CasEcriture &cas);

// The French number conversion and the four-place decimal agree, and the
// decimal's text reads back as the same decimal.
QString verifierNombre(const QString &texte);

} // namespace Proprietes
