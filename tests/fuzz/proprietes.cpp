// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "proprietes.h"

#include "calculs/pesee.h"
#include "settings/fichiersini.h"

#include <cmath>

namespace Proprietes {

namespace {

// The lines of a file, each with its end ("\r\n", "\n", "\r" or none), cut
// here again, on purpose, so that the checks do not share the reader's own
// idea of a line.
QByteArrayList lignes(QByteArrayView octets)
{
    QByteArrayList resultat;
    for (qsizetype debut = 0, i = 0; debut < octets.size(); debut = i) {
        while (i < octets.size() && octets[i] != '\r' && octets[i] != '\n')
            ++i;
        i += octets.sliced(i).startsWith("\r\n") ? 2 : i < octets.size();
        resultat << octets.sliced(debut, i - debut).toByteArray();
    }
    return resultat;
}

QByteArray finDe(const QByteArray &ligne)
{
    return ligne.last(ligne.endsWith("\r\n") ? 2 : ligne.endsWith('\n') || ligne.endsWith('\r'));
}

// Beyond the lines both files share at their start and at their end, the
// write may have replaced one key line (same line end), inserted one key
// line, or appended a section line and a key line; new lines end in CRLF,
// and a last line without an end may gain one.
QString lignesGardees(const QByteArray &avant, const QByteArray &apres)
{
    QByteArrayList ancien = lignes(avant), nouveau = lignes(apres);
    while (!ancien.isEmpty() && !nouveau.isEmpty() && ancien.first() == nouveau.first())
        ancien.removeFirst(), nouveau.removeFirst();
    bool suivies = false;
    while (!ancien.isEmpty() && !nouveau.isEmpty() && ancien.last() == nouveau.last())
        ancien.removeLast(), nouveau.removeLast(), suivies = true;
    if (ancien.size() == 1 && !suivies && nouveau.size() > 1 && nouveau[0] == ancien[0] + "\r\n")
        ancien.clear(), nouveau.removeFirst();
    for (const QByteArray &l : nouveau) {
        if (finDe(l) != (ancien.isEmpty() ? "\r\n" : finDe(ancien[0])))
            return "ligne écrite sans la bonne fin";
    }
    if (ancien.size() > 1 || nouveau.size() > 2 || ancien.size() > nouveau.size())
        return QStringLiteral("%1 lignes remplacées par %2").arg(ancien.size()).arg(nouveau.size());
    if ((!ancien.isEmpty() && !ancien[0].contains('=')) || (!nouveau.isEmpty() && !nouveau.last().contains('=')))
        return "ligne qui n'est pas une clé";
    if (nouveau.size() == 2 && (suivies || !nouveau[0].startsWith('[')))
        return "section ajoutée ailleurs qu'à la fin";
    return {};
}

} // namespace

CasEcriture decouper(QByteArrayView entree)
{
    QByteArrayView fichier = entree;
    QStringList parties;
    for (qsizetype i; parties.size() < 3; fichier.truncate(i)) {
        if ((i = fichier.lastIndexOf('\x1f')) < 0)
            return {entree.toByteArray(), "Env114", "Envellope114", "3,2"};
        parties.prepend(QString::fromUtf8(fichier.sliced(i + 1)));
    }
    return {fichier.toByteArray(), parties[0], parties[1], parties[2]};
}

QString verifierEcriture(const CasEcriture &cas)
{
    if (FormatIni::lire(cas.fichier, cas.section, cas.cle).size() > FormatIni::LongueurMaxValeur)
        return "lecture trop longue";
    QByteArray contenu = cas.fichier;
    const QList<EcritureIni> ecriture{{cas.section, cas.cle, cas.valeur}};
    if (const ResultatEcriture r = FormatIni::ecrire(contenu, ecriture); !r)
        return contenu != cas.fichier || r.raison.isEmpty() ? "écriture refusée qui change le fichier ou sans raison"
                                                            : QString();
    if (const QString relu = FormatIni::lire(contenu, cas.section, cas.cle); relu != cas.valeur)
        return QStringLiteral("relu « %1 » au lieu de « %2 »").arg(relu, cas.valeur);
    QByteArray encore = contenu;
    if (!FormatIni::ecrire(encore, ecriture) || encore != contenu)
        return "la même écriture répétée change le fichier";
    return lignesGardees(cas.fichier, contenu);
}

QString verifierNombre(const QString &texte)
{
    const std::optional<double> x = nombreFrancais(texte);
    const std::optional<Decimal4> d = Decimal4::depuisTexte(texte);
    if (nombreFrancais(" \t" + texte + "\t ") != x)
        return "les espaces autour changent le nombre";
    if ((d && !x) || (x && std::fabs(*x) < 1e14 && !d))
        return "décimal et nombre en désaccord";
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
