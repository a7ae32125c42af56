#include "proprietes.h"

#include "main_window/calculs.h"
#include "settings/fichiersini.h"

#include <QList>

#include <cmath>

namespace Proprietes {

namespace {

// A line as stored: its text and its line end ("\r\n", "\n", "\r" or none).
// Written here again on purpose, so that the checks do not share the
// reader's own idea of a line.
struct Ligne
{
    QByteArray texte;
    QByteArray fin;

    bool operator==(const Ligne &o) const { return texte == o.texte && fin == o.fin; }
    bool operator!=(const Ligne &o) const { return !(*this == o); }
};

QList<Ligne> lignes(QByteArrayView octets)
{
    QList<Ligne> resultat;
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype i = debut;
        while (i < octets.size() && octets[i] != '\r' && octets[i] != '\n')
            ++i;
        qsizetype fin = i;
        if (i < octets.size())
            fin = (octets[i] == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ? i + 2 : i + 1;
        resultat.append({octets.sliced(debut, i - debut).toByteArray(),
                         octets.sliced(i, fin - i).toByteArray()});
        debut = fin;
    }
    return resultat;
}

bool estLigneDeCle(const Ligne &l)
{
    return l.texte.contains('=');
}

bool estLigneDeSection(const Ligne &l)
{
    const QByteArray t = l.texte.trimmed();
    return t.startsWith('[') && t.endsWith(']');
}

// The old file's lines, all but one at most, stand unchanged in the new
// file, in the same order. Allowed shapes, with B the old lines and A the
// new ones:
// - same count: at most one line differs, a key line that keeps its line end;
// - one more: a key line ending in CRLF inserted anywhere;
// - two more: a section line and a key line, both ending in CRLF, at the end.
// When the new lines go at the end and B's last line had no line end, that
// line gains a CRLF and nothing else.
QString lignesGardees(const QByteArray &avant, const QByteArray &apres)
{
    const QList<Ligne> b = lignes(avant);
    const QList<Ligne> a = lignes(apres);
    const qsizetype ajout = a.size() - b.size();

    if (ajout == 0) {
        qsizetype changees = 0;
        for (qsizetype i = 0; i < b.size(); ++i) {
            if (a[i] == b[i])
                continue;
            if (++changees > 1)
                return QStringLiteral("plus d'une ligne changée");
            if (a[i].fin != b[i].fin || !estLigneDeCle(b[i]) || !estLigneDeCle(a[i]))
                return QStringLiteral("ligne %1 remplacée sans être une ligne de clé").arg(i);
        }
        return {};
    }
    if (ajout != 1 && ajout != 2)
        return QStringLiteral("%1 lignes ajoutées").arg(ajout);

    qsizetype j = 0;
    while (j < b.size() && a[j] == b[j])
        ++j;
    if (j == b.size() - 1 && b[j].fin.isEmpty() && a[j] == Ligne{b[j].texte, "\r\n"})
        ++j;
    if (ajout == 2 && j != b.size())
        return QStringLiteral("section insérée ailleurs qu'à la fin");
    for (qsizetype k = j; k < j + ajout; ++k) {
        if (a[k].fin != "\r\n")
            return QStringLiteral("ligne ajoutée sans CRLF");
    }
    if (ajout == 2 && !estLigneDeSection(a[j]))
        return QStringLiteral("ligne de section attendue");
    if (!estLigneDeCle(a[j + ajout - 1]))
        return QStringLiteral("ligne de clé attendue");
    for (qsizetype k = j; k < b.size(); ++k) {
        if (a[k + ajout] != b[k])
            return QStringLiteral("ligne %1 changée après l'ajout").arg(k);
    }
    return {};
}

// Names and values that any settings file can hold: a write of them is
// never refused.
bool estSimple(const QString &nom, bool valeur)
{
    if (!valeur && nom.trimmed().isEmpty())
        return false;
    if (nom.size() > FormatIni::LongueurMaxValeur)
        return false;
    for (const QChar c : nom) {
        const bool permis = valeur ? (c >= u' ' && c <= u'~')
                                   : (c.isLetterOrNumber() && c.unicode() < 0x80) || c == u' '
                || c == u'_';
        if (!permis)
            return false;
    }
    return true;
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
    const auto partie = [&](qsizetype debut, qsizetype fin) {
        return QString::fromUtf8(entree.sliced(debut + 1, fin - debut - 1));
    };
    return {entree.first(separateurs[0]).toByteArray(), partie(separateurs[0], separateurs[1]),
            partie(separateurs[1], separateurs[2]), partie(separateurs[2], entree.size())};
}

QString verifierEcriture(const CasEcriture &cas)
{
    const QString lu = FormatIni::lire(cas.fichier, cas.section, cas.cle);
    if (lu.size() > FormatIni::LongueurMaxValeur)
        return QStringLiteral("lecture de %1 caractères").arg(lu.size());

    QByteArray contenu = cas.fichier;
    const ResultatEcriture r = FormatIni::ecrire(contenu, {{cas.section, cas.cle, cas.valeur}});
    if (!r.ok) {
        if (contenu != cas.fichier)
            return QStringLiteral("écriture refusée qui change le fichier");
        if (r.raison.isEmpty())
            return QStringLiteral("écriture refusée sans raison");
        if (estSimple(cas.section, false) && estSimple(cas.cle, false)
            && estSimple(cas.valeur, true)) {
            return QStringLiteral("écriture ordinaire refusée : ") + r.raison;
        }
        return {};
    }

    const QString relu = FormatIni::lire(contenu, cas.section, cas.cle);
    if (relu != cas.valeur)
        return QStringLiteral("relu « %1 » au lieu de « %2 »").arg(relu, cas.valeur);
    if (const QString e = lignesGardees(cas.fichier, contenu); !e.isEmpty())
        return e;

    // Writing the same again changes nothing.
    QByteArray encore = contenu;
    if (!FormatIni::ecrire(encore, {{cas.section, cas.cle, cas.valeur}}) || encore != contenu)
        return QStringLiteral("la même écriture répétée change le fichier");
    return {};
}

QString verifierNombre(const QString &texte)
{
    const std::optional<double> x = nombreFrancais(texte);
    const std::optional<Decimal4> d = Decimal4::depuisTexte(texte);
    if (d && !x)
        return QStringLiteral("décimal sans nombre");
    if (x && std::isnan(*x))
        return QStringLiteral("nombre NaN");

    const std::optional<double> entoure = nombreFrancais(QStringLiteral(" \t") + texte + QStringLiteral("\t "));
    if (entoure.has_value() != x.has_value() || (x && *entoure != *x))
        return QStringLiteral("les espaces autour changent le nombre");

    if (x && std::fabs(*x) < 1e14 && !d)
        return QStringLiteral("nombre dans la plage du décimal refusé par celui-ci");
    if (x && d && std::fabs(*x) < 1e9) {
        const double arrondi = std::nearbyint(*x * 10000.0);
        if (std::fabs(double(d->dixMilliemes()) - arrondi) > 1.0)
            return QStringLiteral("décimal %1 loin du nombre %2").arg(d->texte()).arg(*x);
    }
    if (d && Decimal4::depuisTexte(d->texte()) != d)
        return QStringLiteral("le texte %1 ne redonne pas le décimal").arg(d->texte());
    if (x)
        (void)Decimal4::depuisDouble(*x);

    // The same text as every count and every unit weight: nothing may
    // overflow unnoticed, and the total's text reads back as the total.
    Pesee pesee;
    for (int ligne = 1; ligne <= NombreLignes; ++ligne) {
        if (ligne != NombreLignes)
            pesee.setPoidsUnitaire(ligne, texte);
        pesee.majLigne(ligne, texte);
    }
    const std::optional<Decimal4> total = pesee.total();
    if (total && Decimal4::depuisTexte(texteTotal(total)) != total)
        return QStringLiteral("le total %1 ne se relit pas").arg(texteTotal(total));
    (void)ligneComptee(texte);
    return {};
}

} // namespace Proprietes
