// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/tarifs.h"

#include <algorithm>
#include <array>

namespace Tarifs {

namespace {

// Who the grid is: its service, its names, its file and its price section.
struct Identite
{
    ServiceExpedition service;
    const char16_t *nom;
    const char16_t *nomOption;
    FichierReglages fichier;
    const char *nomFichier;
    const char *section;
    const char *prefixeCle;
};

GrilleTarif construire(const Identite &i, std::initializer_list<std::pair<int, const char *>> tranches)
{
    GrilleTarif g{i.service,
                  QString::fromUtf16(i.nom),
                  QString::fromUtf16(i.nomOption),
                  i.fichier,
                  QString::fromLatin1(i.nomFichier),
                  QString::fromLatin1(i.section),
                  {},
                  {},
                  {},
                  false,
                  {},
                  {}};
    const QString prefixeCle = QString::fromLatin1(i.prefixeCle);
    for (const auto &[poidsMaxi, prix] : tranches)
        g.Tranches.append(TrancheTarif{
            poidsMaxi, prefixeCle + QString::number(poidsMaxi) + QStringLiteral("Gr"), QString::fromLatin1(prix), {}});
    return g;
}

GrilleTarif construireNormal()
{
    GrilleTarif g = construire({ServiceExpedition::TarifNormal, u"France Rapide", u"Expédition France Rapide",
                                FichierReglages::TarifNormal, "TarifNormal", "Tarification", "TarifN"},
                               {{20, "0,66"},
                                {50, "1,10"},
                                {100, "1,65"},
                                {250, "2,65"},
                                {500, "3,55"},
                                {1000, "4,65"},
                                {2000, "6,00"},
                                {3000, "7,00"}});
    g.PorteSymbole = true;
    return g;
}

GrilleTarif construireCEE()
{
    GrilleTarif g = construire(
        {ServiceExpedition::TarifCEE, u"Vers UE (Zone 1)", u"Expédition vers UE ( Zone1)", FichierReglages::TarifCEE,
         "TarifCEE", "Tarification", "TarifCEE"},
        {{20, "0,83"}, {50, "1,38"}, {100, "1,85"}, {250, "4,15"}, {500, "6,15"}, {1000, "8,80"}, {2000, "12,65"}});
    // The bracket up to 2000 g has always been stored under the 1500 key,
    // and the 2000 key holds a value no price comes from.
    g.Tranches.last().Cle = QStringLiteral("TarifCEE1500Gr");
    g.CleReserve = QStringLiteral("TarifCEE2000Gr");
    return g;
}

} // namespace

const GrilleTarif &grille(ServiceExpedition service)
{
    // Indexed by ServiceExpedition.
    static const std::array<GrilleTarif, 3> grilles{
        construireNormal(),
        construire({ServiceExpedition::TarifEcopli, u"France Ecopli", u"Expédition France Ecopli",
                    FichierReglages::TarifEcopli, "TarifEcopli", "TarificationEcopli", "TarifE"},
                   {{20, "0,59"}, {50, "0,87"}, {100, "1,20"}, {250, "2,10"}}),
        construireCEE(),
    };
    return grilles.at(std::size_t(service));
}

const GrilleTarif &grilleDuSymbole()
{
    static const GrilleTarif &porteuse
        = grille(*std::find_if(std::begin(TousLesServices), std::end(TousLesServices),
                               [](ServiceExpedition service) { return grille(service).PorteSymbole; }));
    return porteuse;
}

GrilleTarif charger(ServiceExpedition service, const FichiersIni &fichiers)
{
    GrilleTarif g = grille(service);
    const QByteArray octets = fichiers.contenu(g.Fichier);
    for (TrancheTarif &t : g.Tranches)
        t.Prix = FormatIni::lire(octets, g.Section, t.Cle);
    if (!g.CleReserve.isEmpty())
        g.ValeurReserve = FormatIni::lire(octets, g.Section, g.CleReserve);
    if (g.PorteSymbole)
        g.Symbole = FormatIni::lire(octets, SymboleMonetaire::Section, SymboleMonetaire::Cle);
    g.MiseAJour = FormatIni::lire(octets, MiseAJour::Section, MiseAJour::Cle);
    return g;
}

QString miseAJour(ServiceExpedition service, const FichiersIni &fichiers)
{
    return fichiers.lire(grille(service).Fichier, MiseAJour::Section, MiseAJour::Cle);
}

void restaurerDefauts(GrilleTarif &g)
{
    for (TrancheTarif &t : g.Tranches)
        t.Prix = t.PrixDefaut;
    if (g.PorteSymbole)
        g.Symbole = SymboleMonetaire::Defaut;
}

ResultatEcriture enregistrer(const GrilleTarif &g, const FichiersIni &fichiers, const QString &miseAJour)
{
    QList<EcritureIni> ecritures;
    for (const TrancheTarif &t : g.Tranches)
        ecritures.append(EcritureIni{g.Section, t.Cle, t.Prix});
    if (!g.CleReserve.isEmpty())
        ecritures.append(EcritureIni{g.Section, g.CleReserve, g.ValeurReserve});
    if (g.PorteSymbole)
        ecritures.append(EcritureIni{SymboleMonetaire::Section, SymboleMonetaire::Cle, g.Symbole});
    ecritures.append(EcritureIni{MiseAJour::Section, MiseAJour::Cle, miseAJour});
    return fichiers.ecrire(g.Fichier, ecritures);
}

} // namespace Tarifs

namespace SymboleMonetaire {

QString lire(const FichiersIni &fichiers) { return fichiers.lire(Tarifs::grilleDuSymbole().Fichier, Section, Cle); }

} // namespace SymboleMonetaire
