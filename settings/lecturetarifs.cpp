// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/fichiertarifs.h"
#include "settings/tableaucsv.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <optional>

namespace FichierTarifs {

using namespace TableauCsv;

namespace {

// The first three columns are required.
constexpr int Requises = 3;

std::optional<ServiceExpedition> service(const QString &nom)
{
    for (const ServiceExpedition s : TousLesServices) {
        // A file may name a service as the grids do or as the main window's
        // option buttons do.
        if (nom.compare(Tarifs::grille(s).Nom, Qt::CaseInsensitive) == 0
            || nom.compare(Tarifs::grille(s).NomOption, Qt::CaseInsensitive) == 0)
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

using Positions = std::array<qsizetype, NombreColonnes>;

// Where each named column stands (-1: absent), or why the header is refused.
QString lireEntete(const QStringList &entete, const Refus &refus, Positions &position)
{
    position.fill(-1);
    for (qsizetype k = 0; k < entete.size(); ++k) {
        const QString nom = entete[k].trimmed().replace(u'’', u'\'');
        if (nom.isEmpty())
            continue;
        int c = 0;
        while (c < NombreColonnes && nom.compare(nomColonne(c), Qt::CaseInsensitive) != 0)
            ++c;
        if (c == NombreColonnes || position[c] >= 0)
            return refus(1, QString::number(k + 1),
                         guillemets(entete[k])
                             + (c == NombreColonnes ? QStringLiteral(" n'est pas une colonne connue")
                                                    : QStringLiteral(" vient deux fois")),
                         QStringLiteral("chaque colonne une fois parmi « Service », « Jusqu'à (g) », « Prix », "
                                        "« Produit » et « En vigueur le »"));
        position[c] = k;
    }
    for (int c = 0; c < Requises; ++c) {
        if (position[c] < 0)
            return refus(1, guillemets(nomColonne(c)), QStringLiteral("elle manque"),
                         QStringLiteral("les colonnes « Service », « Jusqu'à (g) » et « Prix »"));
    }
    return {};
}

// What the file says of one service so far.
struct Vu
{
    ServiceLu service;
    int ligne = 0; // the service's first line
    QList<int> lignesDesTranches; // 0 for a bracket not named yet
};

// One line of prices into `vus`, or why it is refused.
QString lireLigne(const Enregistrement &e, const Positions &position, const Refus &refus,
                  std::array<std::optional<Vu>, 3> &vus)
{
    for (qsizetype k = 0; k < e.champs.size(); ++k) {
        if (!e.champs[k].trimmed().isEmpty() && std::find(position.begin(), position.end(), k) == position.end())
            return refus(e.ligne, QString::number(k + 1),
                         guillemets(e.champs[k]) + QStringLiteral(" est dans une colonne sans nom"),
                         QStringLiteral("une case vide"));
    }
    const auto cellule = [&](int c) { return e.champs.value(position[c]).trimmed(); };
    const auto refuser = [&](int c, const QString &trouve, const QString &attendu) {
        return refus(e.ligne, guillemets(nomColonne(c)), trouve, attendu);
    };
    const std::optional<ServiceExpedition> s = service(cellule(Service));
    if (!s)
        return refuser(Service, guillemets(cellule(Service)) + QStringLiteral(" n'est pas un service"),
                       QStringLiteral("« France Rapide », « France Ecopli » ou « Vers UE (Zone 1) »"));
    const GrilleTarif &grille = Tarifs::grille(*s);
    const std::optional<qsizetype> t = tranche(grille, cellule(Poids));
    if (!t)
        return refuser(Poids, guillemets(cellule(Poids)) + QStringLiteral(" n'est pas une tranche de ") + grille.Nom,
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

    std::optional<Vu> &vu = vus.at(std::size_t(*s));
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
    return {};
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
    Positions position{};
    if (const QString r = lireEntete(lus.value(0).champs, refus, position); !r.isEmpty())
        return {{}, r};
    if (lus.size() < 2)
        return {{},
                refus(lus.isEmpty() ? 1 : lus[0].ligne + 1, {}, QStringLiteral("aucun prix"),
                      QStringLiteral("une ligne par tranche sous l'en-tête"))};
    std::array<std::optional<Vu>, 3> vus;
    for (const Enregistrement &e : lus.mid(1)) {
        if (const QString r = lireLigne(e, position, refus, vus); !r.isEmpty())
            return {{}, r};
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

} // namespace FichierTarifs
