// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/tableaucsv.h"

#include <QStringDecoder>

#include <algorithm>

namespace TableauCsv {

QString guillemets(const QString &texte)
{
    constexpr qsizetype Longueur = 40;
    const QString montre = texte.size() > Longueur ? texte.first(Longueur) + u'…' : texte;
    return QStringLiteral("« ") + montre + QStringLiteral(" »");
}

QString Refus::operator()(int ligne, const QString &colonne, const QString &trouve, const QString &attendu) const
{
    const QString ou = colonne.isEmpty() ? QString() : QStringLiteral(", colonne ") + colonne;
    return QStringLiteral("Le fichier « %1 » est refusé, ligne %2%3 : %4 ; attendu %5.")
        .arg(fichier, QString::number(ligne), ou, trouve, attendu);
}

QString decoder(QByteArrayView octets)
{
    if (octets.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(octets.sliced(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texte = utf8.decode(octets);
    if (!utf8.hasError())
        return texte;
    QStringDecoder cp1252("windows-1252", QStringDecoder::Flag::Stateless);
    return cp1252.decode(octets);
}

std::optional<qsizetype> pasDuTexte(const QString &texte)
{
    const auto it = std::find_if(texte.begin(), texte.end(), [](QChar c) {
        return c != u'\t' && c != u'\r' && c != u'\n'
            && (c.category() == QChar::Other_Control || c == QChar(QChar::ReplacementCharacter));
    });
    return it == texte.end() ? std::nullopt : std::optional<qsizetype>(it - texte.begin());
}

QChar separateur(const QString &texte)
{
    bool entre = false;
    QString vus;
    for (const QChar c : texte) {
        if (c == u'"')
            entre = !entre;
        else if (!entre && c == u'\n')
            break;
        else if (!entre)
            vus += c;
    }
    for (const QChar c : {u';', u'\t'}) {
        if (vus.contains(c))
            return c;
    }
    return u',';
}

QList<Enregistrement> enregistrements(const QString &t, QChar sep, const Refus &refus, QString *refuse)
{
    QList<Enregistrement> resultat;
    const qsizetype n = t.size();
    const auto finDeLigne
        = [&](qsizetype i) { return t[i] == u'\n' || (t[i] == u'\r' && i + 1 < n && t[i + 1] == u'\n'); };
    int ligne = 1;
    qsizetype i = 0;
    while (i < n) {
        Enregistrement e{ligne, {}};
        for (;;) {
            QString champ;
            const QString colonne = QString::number(e.champs.size() + 1);
            if (i < n && t[i] == u'"') {
                const int debut = ligne;
                for (++i;; ++i) {
                    if (i == n) {
                        *refuse = refus(debut, colonne, QStringLiteral("un guillemet ouvre un champ sans le fermer"),
                                        QStringLiteral("un guillemet fermant"));
                        return {};
                    }
                    if (t[i] == u'"' && (i + 1 == n || t[i + 1] != u'"'))
                        break;
                    if (t[i] == u'"')
                        ++i; // a doubled quote stands for one
                    else if (t[i] == u'\n')
                        ++ligne;
                    champ += t[i];
                }
                if (++i < n && t[i] != sep && !finDeLigne(i)) {
                    *refuse = refus(ligne, colonne, QStringLiteral("du texte suit le guillemet fermant"),
                                    QStringLiteral("le séparateur ou la fin de la ligne"));
                    return {};
                }
            } else {
                while (i < n && t[i] != sep && !finDeLigne(i))
                    champ += t[i++];
            }
            e.champs << champ;
            if (i < n && t[i] == sep) {
                ++i;
                continue;
            }
            break;
        }
        if (i < n) {
            i += t[i] == u'\r' ? 2 : 1;
            ++ligne;
        }
        if (std::any_of(e.champs.cbegin(), e.champs.cend(), [](const QString &c) { return !c.trimmed().isEmpty(); }))
            resultat << e;
    }
    return resultat;
}

} // namespace TableauCsv
