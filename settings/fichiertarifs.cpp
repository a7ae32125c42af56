// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fichiertarifs.h"

#include "settings/miseajour.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace FichierTarifs {

const QString &nomColonne(int colonne)
{
    static const QString noms[NombreColonnes]
        = {QStringLiteral("Service"), QStringLiteral("Jusqu'à (g)"), QStringLiteral("Prix"), QStringLiteral("Produit"),
           QStringLiteral("En vigueur le")};
    return noms[colonne];
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
        const QString date = jour ? jour->toString(QStringLiteral("dd/MM/yyyy")) : QString();
        for (const TrancheTarif &t : g.Tranches)
            texte += QStringList{g.Nom, QString::number(t.PoidsMaxi), champ(t.Prix), QString(), date}.join(u';')
                + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + texte.toUtf8();
}

Lecture lireFichier(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    QFile fichier(chemin);
    if (!QFileInfo(chemin).isFile() || !fichier.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("Le fichier « %1 » ne peut pas être lu.").arg(nom)};
    // One byte past the limit is enough to refuse a larger file.
    return lire(fichier.read(TailleMaximale + 1), nom);
}

QString exporterVers(const QString &chemin, const FichiersIni &fichiers)
{
    const QByteArray octets = exporter(fichiers);
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(octets) != octets.size() || !fichier.commit())
        return QStringLiteral("Le fichier « %1 » ne peut pas être écrit.").arg(QFileInfo(chemin).fileName());
    return {};
}

} // namespace FichierTarifs
