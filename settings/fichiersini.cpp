// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/fichiersini.h"

#include "settings/accesfichiers.h"
#include "settings/catalogueelements.h"
#include "settings/dossiersducompte.h"
#include "settings/tarifs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

using namespace AccesFichiers;
using namespace DossiersDuCompte;

namespace {

QString nomDeFichier(FichierReglages fichier)
{
    if (fichier == CatalogueElements::Fichier)
        return CatalogueElements::NomFichier;
    const auto service = std::find_if(std::begin(TousLesServices), std::end(TousLesServices),
                                      [fichier](ServiceExpedition s) { return Tarifs::grille(s).Fichier == fichier; });
    return Tarifs::grille(*service).NomFichier;
}

// Each data set names its file in its own table.
QList<FichierReglages> fichiersDeReglages()
{
    QList<FichierReglages> fichiers{CatalogueElements::Fichier};
    for (const ServiceExpedition service : TousLesServices)
        fichiers << Tarifs::grille(service).Fichier;
    return fichiers;
}

} // namespace

FichiersIni::FichiersIni(const QString &repertoire, const QString &repertoireUtilisateur, DossierProgramme programme)
    : m_repertoire(repertoire), m_repertoireUtilisateur(repertoireUtilisateur), m_programme(programme)
{ }

FichiersIni FichiersIni::duProgramme()
{
#ifdef AMBRELOT_DOSSIER_DU_PAQUET
    constexpr DossierProgramme programme = DossierProgramme::DuPaquet;
#else
    constexpr DossierProgramme programme = DossierProgramme::Modifiable;
#endif
    return FichiersIni(QCoreApplication::applicationDirPath(), repertoireDuCompte(), programme);
}

QString FichiersIni::repertoireDuCompte()
{
    // A relative XDG_CONFIG_HOME would name a different folder from each
    // place the program starts in; the XDG rules say to ignore it.
    QString configuration = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(configuration))
        configuration = QDir::homePath() + QStringLiteral("/.config");
    return configuration + QStringLiteral("/ambrelot");
}

QString FichiersIni::dossierDesTarifs()
{
    const QDir programme(QCoreApplication::applicationDirPath());
    const QString aCote = programme.filePath(QStringLiteral("tarifs"));
    return QFileInfo(aCote).isDir() ? aCote : programme.filePath(QStringLiteral("../../share/ambrelot/tarifs"));
}

QString FichiersIni::chemin(FichierReglages fichier) const
{
    return m_repertoire + u'/' + nomDeFichier(fichier) + QStringLiteral(".ini");
}

QString FichiersIni::cheminCopie(FichierReglages fichier) const
{
    if (m_repertoireUtilisateur.isEmpty())
        return {};
    return m_repertoireUtilisateur + u'/' + QFileInfo(chemin(fichier)).fileName();
}

QString FichiersIni::cheminLu(FichierReglages fichier) const
{
    const QString copie = cheminCopie(fichier);
    const bool utilisable
        = !copie.isEmpty() && estUnFichier(copie) && raisonDossierDuCompte(m_repertoireUtilisateur).isEmpty();
    return utilisable ? copie : chemin(fichier);
}

QString FichiersIni::avertissementDuCompte() const
{
    const QString dossier = QDir::toNativeSeparators(m_repertoireUtilisateur);
    if (m_repertoireUtilisateur.isEmpty() || !QFileInfo(m_repertoireUtilisateur).isDir())
        return {};
    if (const QString raison = raisonDossierDuCompte(m_repertoireUtilisateur); !raison.isEmpty())
        return QStringLiteral("Les réglages de ce compte sont ignorés : le dossier « %1 » ne peut pas les garder, "
                              "car %2.\nAmbrelot affiche à leur place les valeurs livrées avec le programme.\n"
                              "Pour y remédier : %3")
            .arg(dossier, raison, remedeDossierDuCompte(m_repertoireUtilisateur));
    QStringList autres;
    for (const FichierReglages fichier : fichiersDeReglages()) {
        const QString copie = cheminCopie(fichier);
        if (!estUnFichier(copie) && (estUnLien(copie) || QFileInfo::exists(copie)))
            autres << QFileInfo(copie).fileName();
    }
    if (autres.isEmpty())
        return {};
    return QStringLiteral("Une partie des réglages de ce compte est ignorée : dans le dossier « %1 », ces noms ne "
                          "désignent pas des fichiers ordinaires : %2.\nAmbrelot lit à leur place les fichiers livrés "
                          "avec le programme.\nPour y remédier : remplacez-les par des fichiers ordinaires, ou "
                          "supprimez-les.")
        .arg(dossier, autres.join(QStringLiteral(", ")));
}

QByteArray FichiersIni::contenu(FichierReglages fichier) const { return AccesFichiers::contenu(cheminLu(fichier)); }

QString FichiersIni::lire(FichierReglages fichier, QStringView section, QStringView cle) const
{
    return FormatIni::lire(contenu(fichier), section, cle);
}

ResultatEcriture FichiersIni::ecrire(FichierReglages fichier, const QString &section, const QString &cle,
                                     const QString &valeur) const
{
    return ecrire(fichier, {{section, cle, valeur}});
}

ResultatEcriture FichiersIni::ecrire(FichierReglages fichier, const QList<EcritureIni> &ecritures) const
{
    const QString lu = cheminLu(fichier);
    if (lu == cheminCopie(fichier) || m_programme == DossierProgramme::DuPaquet)
        return creerCopie(fichier, lu, ecritures);
    const ResultatEcriture ici = AccesFichiers::enregistrer(lu, ecritures);
    // Only a folder that refuses writes as such sends the save to the user's
    // copy; a full disk or a size limit would fail there too, and is reported.
    const bool refuse = ici.erreur == EACCES || ici.erreur == EPERM || ici.erreur == EROFS;
    if (ici || m_repertoireUtilisateur.isEmpty() || !refuse)
        return ici;
    ResultatEcriture chezSoi = creerCopie(fichier, lu, ecritures);
    if (!chezSoi)
        chezSoi.raison = ici.raison + u'\n' + chezSoi.raison;
    return chezSoi;
}

// Writes the user's copy: the bytes of `source` (the copy itself once it
// exists) with the writes applied, in a folder made for the account alone.
ResultatEcriture FichiersIni::creerCopie(FichierReglages fichier, const QString &source,
                                         const QList<EcritureIni> &ecritures) const
{
    const QString copie = cheminCopie(fichier);
    if (copie.isEmpty())
        return ResultatEcriture::echec(
            QStringLiteral("Impossible d'enregistrer « %1 » : ce compte n'a pas de dossier de réglages.")
                .arg(QFileInfo(chemin(fichier)).fileName()));
    if (const QString raison = creerDossier(m_repertoireUtilisateur); !raison.isEmpty())
        return echecDansDossier(copie, raison);
    if (const QString raison = raisonDossierDuCompte(m_repertoireUtilisateur); !raison.isEmpty())
        return echecDansDossier(copie, raison);
    return AccesFichiers::enregistrer(copie, ecritures, source);
}
