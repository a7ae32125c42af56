// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A table as spreadsheets write it: text in UTF-8 or Windows-1252, records
// of fields between separators, RFC 4180 quotes; every refusal says where.
namespace TableauCsv {

// A cell quoted in a refusal; a long one, cut, leaves the message readable.
QString guillemets(const QString &texte);

// Every refusal says where, what was found and what was expected.
struct Refus
{
    QString fichier;

    QString operator()(int ligne, const QString &colonne, const QString &trouve, const QString &attendu) const;
};

// UTF-8 when the bytes are valid UTF-8 (or say so with a byte-order mark),
// else Windows-1252, what spreadsheets write on French Windows.
QString decoder(QByteArrayView octets);

// Where the first character that no text holds stands, if any.
std::optional<qsizetype> pasDuTexte(const QString &texte);

// The separator of the header line, outside quotes: ";" before tab before ",".
QChar separateur(const QString &texte);

struct Enregistrement
{
    int ligne; // of its first character
    QStringList champs;
};

// The records of `t`; a line of blank fields holds nothing and is skipped.
// On a malformed quote, nothing, and `refuse` says why.
QList<Enregistrement> enregistrements(const QString &t, QChar sep, const Refus &refus, QString *refuse);

} // namespace TableauCsv
