// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fichiertarifs.h"

#include "settings/miseajour.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace FichierTarifs {

namespace {

enum Colonne { Service, Poids, Prix, Produit, EnVigueur, NombreColonnes };
// The first three are required.
constexpr int Requises = 3;

const QString &nomColonne(int colonne)
{
    static const QString noms[NombreColonnes]
        = {QStringLiteral("Service"), QStringLiteral("Jusqu'à (g)"), QStringLiteral("Prix"), QStringLiteral("Produit"),
           QStringLiteral("En vigueur le")};
    return noms[colonne];
}

// The main window's option buttons name the services so; a file may use
// either their names or the grids'.
const char16_t *const NomsDesBoutons[]
    = {u"Expédition France Rapide", u"Expédition France Ecopli", u"Expédition vers UE ( Zone1)"};

const QString FormatDate = QStringLiteral("dd/MM/yyyy");

// A cell quoted in a refusal; a long one, cut, leaves the message readable.
QString guillemets(const QString &texte)
{
    constexpr qsizetype Longueur = 40;
    const QString montre = texte.size() > Longueur ? texte.first(Longueur) + u'…' : texte;
    return QStringLiteral("« ") + montre + QStringLiteral(" »");
}

// Every refusal says where, what was found and what was expected.
struct Refus
{
    QString fichier;

    QString operator()(int ligne, const QString &colonne, const QString &trouve, const QString &attendu) const
    {
        const QString ou = colonne.isEmpty() ? QString() : QStringLiteral(", colonne ") + colonne;
        return QStringLiteral("Le fichier « %1 » est refusé, ligne %2%3 : %4 ; attendu %5.")
            .arg(fichier, QString::number(ligne), ou, trouve, attendu);
    }
};

// UTF-8 when the bytes are valid UTF-8 (or say so with a byte-order mark),
// else Windows-1252, what spreadsheets write on French Windows.
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

// Where the first character that no text holds stands, if any.
std::optional<qsizetype> pasDuTexte(const QString &texte)
{
    const auto it = std::find_if(texte.begin(), texte.end(), [](QChar c) {
        return c != u'\t' && c != u'\r' && c != u'\n'
            && (c.category() == QChar::Other_Control || c == QChar(QChar::ReplacementCharacter));
    });
    return it == texte.end() ? std::nullopt : std::optional<qsizetype>(it - texte.begin());
}

// The separator of the header line, outside quotes: ";" before tab before ",".
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

struct Enregistrement
{
    int ligne; // of its first character
    QStringList champs;
};

// RFC 4180 records; a line of blank fields holds nothing and is skipped.
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

std::optional<ServiceExpedition> service(const QString &nom)
{
    for (const ServiceExpedition s : TousLesServices) {
        if (nom.compare(Tarifs::grille(s).Nom, Qt::CaseInsensitive) == 0
            || nom.compare(QString::fromUtf16(NomsDesBoutons[int(s)]), Qt::CaseInsensitive) == 0)
            return s;
    }
    return std::nullopt;
}

std::optional<qsizetype> tranche(const GrilleTarif &grille, const QString &borne)
{
    static const QRegularExpression entier(QStringLiteral("^[0-9]{1,9}$"));
    if (!entier.match(borne).hasMatch())
        return std::nullopt;
    const int poids = borne.toInt();
    const auto it = std::find_if(grille.Tranches.cbegin(), grille.Tranches.cend(),
                                 [poids](const TrancheTarif &t) { return t.PoidsMaxi == poids; });
    return it == grille.Tranches.cend() ? std::nullopt : std::optional<qsizetype>(it - grille.Tranches.cbegin());
}

// The stored notation: a decimal comma and two decimals, or ">>".
std::optional<QString> prix(QString texte)
{
    if (texte == QStringLiteral(">>"))
        return texte;
    if (texte.endsWith(u'€'))
        texte = texte.chopped(1).trimmed();
    static const QRegularExpression nombre(QStringLiteral("^0*([0-9]+?)(?:[.,]([0-9]{1,2}))?$"));
    const QRegularExpressionMatch m = nombre.match(texte);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1) + u',' + m.captured(2).leftJustified(2, u'0');
}

QString bornes(const GrilleTarif &grille)
{
    QStringList b;
    for (const TrancheTarif &t : grille.Tranches)
        b << QString::number(t.PoidsMaxi);
    return b.mid(0, b.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" ou ") + b.last();
}

} // namespace

Lecture lire(QByteArrayView octets, const QString &nomFichier)
{
    const Refus refus{nomFichier};
    if (octets.size() > TailleMaximale)
        return {{},
                QStringLiteral("Le fichier « %1 » est refusé : il dépasse 1 Mio ; attendu un fichier de tarifs de "
                               "quelques lignes.")
                    .arg(nomFichier)};
    const QString texte = decoder(octets);
    if (const auto i = pasDuTexte(texte)) {
        const QStringView avant = QStringView(texte).first(*i);
        return {{},
                refus(int(avant.count(u'\n')) + 1, QString::number(*i - avant.lastIndexOf(u'\n')),
                      QStringLiteral("le caractère U+")
                          + QString::number(texte[*i].unicode(), 16).toUpper().rightJustified(4, u'0'),
                      QStringLiteral("du texte en UTF-8 ou en Windows-1252"))};
    }

    Lecture lecture;
    const QList<Enregistrement> lus = enregistrements(texte, separateur(texte), refus, &lecture.refus);
    if (!lecture.refus.isEmpty())
        return lecture;

    // Where each column stands; a column without a name keeps its cells empty.
    qsizetype position[NombreColonnes] = {-1, -1, -1, -1, -1};
    const QStringList entete = lus.value(0).champs;
    for (qsizetype k = 0; k < entete.size(); ++k) {
        const QString nom = entete[k].trimmed().replace(u'’', u'\'');
        if (nom.isEmpty())
            continue;
        int c = 0;
        while (c < NombreColonnes && nom.compare(nomColonne(c), Qt::CaseInsensitive) != 0)
            ++c;
        const QString colonne = QString::number(k + 1);
        if (c == NombreColonnes || position[c] >= 0)
            return {{},
                    refus(1, colonne,
                          guillemets(entete[k])
                              + (c == NombreColonnes ? QStringLiteral(" n'est pas une colonne connue")
                                                     : QStringLiteral(" vient deux fois")),
                          QStringLiteral("chaque colonne une fois parmi « Service », « Jusqu'à (g) », « Prix », "
                                         "« Produit » et « En vigueur le »"))};
        position[c] = k;
    }
    for (int c = 0; c < Requises; ++c) {
        if (position[c] < 0)
            return {{},
                    refus(1, guillemets(nomColonne(c)), QStringLiteral("elle manque"),
                          QStringLiteral("les colonnes « Service », « Jusqu'à (g) » et « Prix »"))};
    }
    if (lus.size() < 2)
        return {{},
                refus(lus.isEmpty() ? 1 : lus[0].ligne + 1, {}, QStringLiteral("aucun prix"),
                      QStringLiteral("une ligne par tranche sous l'en-tête"))};

    struct Vu
    {
        ServiceLu service;
        int ligne = 0; // the service's first line
        QList<int> lignesDesTranches; // 0 for a bracket not named yet
    };
    std::optional<Vu> vus[3];
    for (const Enregistrement &e : lus.mid(1)) {
        for (qsizetype k = 0; k < e.champs.size(); ++k) {
            if (!e.champs[k].trimmed().isEmpty()
                && std::find(std::begin(position), std::end(position), k) == std::end(position))
                return {{},
                        refus(e.ligne, QString::number(k + 1),
                              guillemets(e.champs[k]) + QStringLiteral(" est dans une colonne sans nom"),
                              QStringLiteral("une case vide"))};
        }
        const auto cellule = [&](int c) { return e.champs.value(position[c]).trimmed(); };
        const auto refuser = [&](int c, const QString &trouve, const QString &attendu) {
            return Lecture{{}, refus(e.ligne, guillemets(nomColonne(c)), trouve, attendu)};
        };

        const std::optional<ServiceExpedition> s = service(cellule(Service));
        if (!s)
            return refuser(Service, guillemets(cellule(Service)) + QStringLiteral(" n'est pas un service"),
                           QStringLiteral("« France Rapide », « France Ecopli » ou « Vers UE (Zone 1) »"));
        const GrilleTarif &grille = Tarifs::grille(*s);
        const std::optional<qsizetype> t = tranche(grille, cellule(Poids));
        if (!t)
            return refuser(Poids,
                           guillemets(cellule(Poids)) + QStringLiteral(" n'est pas une tranche de ") + grille.Nom,
                           bornes(grille));
        const std::optional<QString> p = prix(cellule(Prix));
        if (!p)
            return refuser(Prix, guillemets(cellule(Prix)) + QStringLiteral(" n'est pas un prix"),
                           QStringLiteral("un nombre à deux décimales au plus, avec une virgule ou un point, suivi ou "
                                          "non de « € », ou « >> »"));
        const QString jour = cellule(EnVigueur);
        const QDate date = QDate::fromString(jour, QStringLiteral("d/M/yyyy"));
        if (!jour.isEmpty() && !date.isValid())
            return refuser(EnVigueur, guillemets(jour) + QStringLiteral(" n'est pas une date"),
                           QStringLiteral("une date comme 01/01/2026"));

        std::optional<Vu> &vu = vus[int(*s)];
        if (!vu)
            vu = Vu{{*s, cellule(Produit), date, {}}, e.ligne, QList<int>(grille.Tranches.size(), 0)};
        for (const int c : {Produit, EnVigueur}) {
            if (c == Produit ? cellule(c) != vu->service.produit : date != vu->service.enVigueur)
                return refuser(
                    c, guillemets(cellule(c)) + QStringLiteral(" diffère de la ligne ") + QString::number(vu->ligne),
                    QStringLiteral("le même produit et la même date sur toutes les lignes de ") + grille.Nom);
        }
        if (const int avant = vu->lignesDesTranches[*t])
            return refuser(Poids,
                           QStringLiteral("la tranche de %1 g de %2 est déjà à la ligne %3")
                               .arg(QString::number(grille.Tranches[*t].PoidsMaxi), grille.Nom, QString::number(avant)),
                           QStringLiteral("chaque tranche une fois"));
        vu->lignesDesTranches[*t] = e.ligne;
        vu->service.prix.append({*t, *p});
    }
    for (std::optional<Vu> &vu : vus) {
        if (!vu)
            continue;
        std::sort(vu->service.prix.begin(), vu->service.prix.end(),
                  [](const PrixLu &a, const PrixLu &b) { return a.tranche < b.tranche; });
        lecture.services.append(vu->service);
    }
    return lecture;
}

QList<LigneTarif> lignes(const QList<ServiceLu> &services, const std::array<GrilleTarif, 3> &grilles)
{
    QList<LigneTarif> resultat;
    for (const ServiceLu &s : services) {
        const qsizetype debut = resultat.size();
        for (const TrancheTarif &t : grilles.at(std::size_t(s.service)).Tranches)
            resultat.append({s.service, t.PoidsMaxi, t.Prix, t.Prix});
        for (const PrixLu &p : s.prix)
            resultat[debut + p.tranche].nouveau = p.prix;
    }
    return resultat;
}

QString tampon(const ServiceLu &service, const QDateTime &maintenant)
{
    // In UTC, midnight exists on every day, also where the clocks change then.
    return MiseAJour::texte(service.enVigueur.isValid() ? QDateTime(service.enVigueur, QTime(0, 0), Qt::UTC)
                                                        : maintenant);
}

QString avertissement(const QList<ServiceLu> &services, QDate aujourdhui)
{
    QDate premier;
    for (const ServiceLu &s : services) {
        if (s.enVigueur > aujourdhui && (!premier.isValid() || s.enVigueur < premier))
            premier = s.enVigueur;
    }
    if (!premier.isValid())
        return {};
    return QStringLiteral("Ces prix entrent en vigueur le %1 %2.")
        .arg(premier.day() == 1 ? QStringLiteral("1er") : QString::number(premier.day()),
             QLocale(QLocale::French, QLocale::France).toString(premier, QStringLiteral("MMMM yyyy")));
}

std::array<GrilleTarif, 3> grillesActuelles(const FichiersIni &fichiers)
{
    return {Tarifs::charger(ServiceExpedition::TarifNormal, fichiers),
            Tarifs::charger(ServiceExpedition::TarifEcopli, fichiers),
            Tarifs::charger(ServiceExpedition::TarifCEE, fichiers)};
}

ResultatImport importer(const Lecture &lecture, const FichiersIni &fichiers, const QDateTime &maintenant)
{
    if (!lecture.refus.isEmpty())
        return {{}, lecture.refus};
    ResultatImport resultat;
    for (const ServiceLu &s : lecture.services) {
        GrilleTarif grille = Tarifs::charger(s.service, fichiers);
        QList<LigneTarif> changements;
        for (const PrixLu &p : s.prix) {
            TrancheTarif &t = grille.Tranches[p.tranche];
            if (t.Prix != p.prix)
                changements.append({s.service, t.PoidsMaxi, t.Prix, p.prix});
            t.Prix = p.prix;
        }
        // Importing what an export wrote changes nothing, stamp included;
        // the same prices for a new day do renew the stamp.
        if (changements.isEmpty() && (!s.enVigueur.isValid() || MiseAJour::date(grille.MiseAJour) == s.enVigueur))
            continue;
        if (const ResultatEcriture e = Tarifs::enregistrer(grille, fichiers, tampon(s, maintenant)); !e) {
            resultat.echec = e.raison;
            break;
        }
        resultat.changements += changements;
    }
    return resultat;
}

QByteArray exporter(const FichiersIni &fichiers)
{
    const auto champ = [](QString texte) {
        if (!texte.contains(u';') && !texte.contains(u'"') && !texte.contains(u'\n') && !texte.contains(u'\r'))
            return texte;
        return u'"' + texte.replace(u'"', QStringLiteral("\"\"")) + u'"';
    };
    QStringList colonnes;
    for (int c = 0; c < NombreColonnes; ++c)
        colonnes << nomColonne(c);
    QString texte = colonnes.join(u';') + QStringLiteral("\r\n");
    for (const GrilleTarif &g : grillesActuelles(fichiers)) {
        const std::optional<QDate> jour = MiseAJour::date(g.MiseAJour);
        const QString date = jour ? jour->toString(FormatDate) : QString();
        for (const TrancheTarif &t : g.Tranches)
            texte += QStringList{g.Nom, QString::number(t.PoidsMaxi), champ(t.Prix), QString(), date}.join(u';')
                + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + texte.toUtf8();
}

} // namespace FichierTarifs
