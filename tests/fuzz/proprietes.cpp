// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "proprietes.h"

#include "calculs/pesee.h"
#include "settings/fichiersini.h"

#include <cmath>

namespace Proprietes {

namespace {

// A line as stored: its text and its end ("\r\n", "\n", "\r" or none), cut
// here again, on purpose, so that the checks do not share the reader's own
// idea of a line.
struct Ligne
{
    QByteArray texte;
    QByteArray fin;
    bool operator==(const Ligne &o) const { return texte == o.texte && fin == o.fin; }
};

QList<Ligne> lignes(QByteArrayView octets)
{
    QList<Ligne> resultat;
    for (qsizetype debut = 0; debut < octets.size();) {
        qsizetype i = debut;
        while (i < octets.size() && octets[i] != '\r' && octets[i] != '\n')
            ++i;
        const qsizetype fin = i == octets.size() ? i : octets.sliced(i).startsWith("\r\n") ? i + 2 : i + 1;
        resultat.append({octets.sliced(debut, i - debut).toByteArray(), octets.sliced(i, fin - i).toByteArray()});
        debut = fin;
    }
    return resultat;
}

bool estCle(const Ligne &l) { return l.texte.contains('='); }

// Beyond the lines both files share at their start and at their end, the
// write may have replaced one key line (same line end), inserted one key
// line, or appended a section line and a key line; new lines end in CRLF,
// and a last line without an end may gain one.
QString lignesGardees(const QByteArray &avant, const QByteArray &apres)
{
    const QList<Ligne> b = lignes(avant), a = lignes(apres);
    qsizetype debut = 0, fin = 0;
    while (debut < a.size() && debut < b.size() && a[debut] == b[debut])
        ++debut;
    while (fin < a.size() - debut && fin < b.size() - debut && a[a.size() - 1 - fin] == b[b.size() - 1 - fin])
        ++fin;
    QList<Ligne> ancien = b.mid(debut, b.size() - debut - fin), nouveau = a.mid(debut, a.size() - debut - fin);
    if (ancien.size() == 1 && fin == 0 && ancien[0].fin.isEmpty() && nouveau.size() > 1
        && nouveau[0] == Ligne{ancien[0].texte, "\r\n"}) {
        ancien.clear();
        nouveau.removeFirst();
    }
    for (qsizetype k = 0; k < nouveau.size(); ++k) {
        if (nouveau[k].fin != (ancien.isEmpty() ? "\r\n" : ancien[0].fin))
            return QStringLiteral("ligne écrite sans la bonne fin");
    }
    if (ancien.size() > 1 || nouveau.size() > 2 || ancien.size() > nouveau.size())
        return QStringLiteral("%1 lignes remplacées par %2").arg(ancien.size()).arg(nouveau.size());
    if ((!ancien.isEmpty() && !estCle(ancien[0])) || (!nouveau.isEmpty() && !estCle(nouveau.last())))
        return QStringLiteral("ligne qui n'est pas une clé");
    if (nouveau.size() == 2 && (fin != 0 || !nouveau[0].texte.startsWith('[')))
        return QStringLiteral("section ajoutée ailleurs qu'à la fin");
    return {};
}

} // namespace

CasEcriture decouper(QByteArrayView entree)
{
    qsizetype separateurs[3] = {-1, -1, -1};
    qsizetype i = entree.size();
    for (int n = 2; n >= 0; --n) {
        i = i > 0 ? entree.first(i).lastIndexOf('\x1f') : -1;
        if (i < 0)
            return {entree.toByteArray(), QStringLiteral("Env114"), QStringLiteral("Envellope114"),
                    QStringLiteral("3,2")};
        separateurs[n] = i;
    }
    const auto partie
        = [&](qsizetype debut, qsizetype fin) { return QString::fromUtf8(entree.sliced(debut + 1, fin - debut - 1)); };
    return {entree.first(separateurs[0]).toByteArray(), partie(separateurs[0], separateurs[1]),
            partie(separateurs[1], separateurs[2]), partie(separateurs[2], entree.size())};
}

QString verifierEcriture(const CasEcriture &cas)
{
    if (FormatIni::lire(cas.fichier, cas.section, cas.cle).size() > FormatIni::LongueurMaxValeur)
        return QStringLiteral("lecture trop longue");
    QByteArray contenu = cas.fichier;
    const QList<EcritureIni> ecriture{{cas.section, cas.cle, cas.valeur}};
    const ResultatEcriture r = FormatIni::ecrire(contenu, ecriture);
    if (!r.ok)
        return contenu != cas.fichier || r.raison.isEmpty()
            ? QStringLiteral("écriture refusée qui change le fichier ou sans raison")
            : QString();
    if (const QString relu = FormatIni::lire(contenu, cas.section, cas.cle); relu != cas.valeur)
        return QStringLiteral("relu « %1 » au lieu de « %2 »").arg(relu, cas.valeur);
    if (const QString e = lignesGardees(cas.fichier, contenu); !e.isEmpty())
        return e;
    QByteArray encore = contenu;
    if (!FormatIni::ecrire(encore, ecriture) || encore != contenu)
        return QStringLiteral("la même écriture répétée change le fichier");
    return {};
}

QString verifierNombre(const QString &texte)
{
    const std::optional<double> x = nombreFrancais(texte);
    const std::optional<Decimal4> d = Decimal4::depuisTexte(texte);
    if (nombreFrancais(QStringLiteral(" \t") + texte + QStringLiteral("\t ")) != x)
        return QStringLiteral("les espaces autour changent le nombre");
    if ((d && !x) || (x && std::fabs(*x) < 1e14 && !d))
        return QStringLiteral("décimal et nombre en désaccord");
    if (d && std::fabs(*x) < 1e9 && std::fabs(double(d->dixMilliemes()) - std::nearbyint(*x * 10000.0)) > 1.0)
        return QStringLiteral("décimal %1 loin du nombre %2").arg(d->texte()).arg(*x);
    if (d && Decimal4::depuisTexte(d->texte()) != d)
        return QStringLiteral("le texte %1 ne redonne pas le décimal").arg(d->texte());

    // The same text as every count and every unit weight: nothing may
    // overflow unnoticed, and the total's text reads back as the total.
    Pesee pesee;
    for (const CatalogueElements::Entree &e : CatalogueElements::entrees()) {
        pesee.setPoidsUnitaire(e.numero, e.stockee() ? texte : e.defaut);
        pesee.majLigne(e.numero, texte);
    }
    const std::optional<Decimal4> total = pesee.total();
    if (total && Decimal4::depuisTexte(texteTotal(total)) != total)
        return QStringLiteral("le total %1 ne se relit pas").arg(texteTotal(total));
    return {};
}

} // namespace Proprietes
