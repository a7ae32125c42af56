// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/formatini.h"

#include <QString>

// The four settings files. Each file's name lives in the table of the data
// set it holds: CatalogueElements, and each service's GrilleTarif.
enum class FichierReglages { PoidsElements, TarifNormal, TarifEcopli, TarifCEE };

// Whether a save may write the files beside the program: not in a folder
// that a package manager owns, which would undo the change at the next
// upgrade, root's saves included.
enum class DossierProgramme { Modifiable, DuPaquet };

// The four settings files of one directory: the executable's for the
// program, a temporary one for the tests. With a user's folder, each file is
// looked up on its own at every call: the user's copy when it exists, else
// the file of `repertoire`. A save that `repertoire` refuses (permission,
// read-only file system, a package's folder) creates the user's copy from
// the file there, which itself is never changed.
//
// The user's folder is used only when it belongs to the account and no other
// account can write it, nor the folder that holds it; a copy that is not a
// regular file (a symbolic link, a pipe, a folder) is never read nor written.
class FichiersIni
{
public:
    explicit FichiersIni(const QString &repertoire, const QString &repertoireUtilisateur = {},
                         DossierProgramme programme = DossierProgramme::Modifiable);

    // The directory of the running executable, and the account's own folder.
    static FichiersIni duProgramme();
    // $XDG_CONFIG_HOME/ambrelot, or ~/.config/ambrelot when that variable is
    // unset or not an absolute path.
    static QString repertoireDuCompte();
    // The price files installed with the program: beside it in a build
    // folder, else in share/ambrelot/tarifs of its prefix.
    static QString dossierDesTarifs();

    QString repertoire() const { return m_repertoire; }
    QString repertoireUtilisateur() const { return m_repertoireUtilisateur; }
    // The file beside the program, and the user's copy (empty without a user's folder).
    QString chemin(FichierReglages fichier) const;
    QString cheminCopie(FichierReglages fichier) const;

    // Why the user's folder, which exists, is ignored in whole or in part,
    // with the remedy, in French for the user; empty when all is well.
    QString avertissementDuCompte() const;

    // The bytes a read uses now, read once: a load reads its keys from them.
    QByteArray contenu(FichierReglages fichier) const;
    QString lire(FichierReglages fichier, QStringView section, QStringView cle) const;
    ResultatEcriture ecrire(FichierReglages fichier, const QString &section, const QString &cle,
                            const QString &valeur) const;
    ResultatEcriture ecrire(FichierReglages fichier, const QList<EcritureIni> &ecritures) const;

    QString LireTarifNormal(QStringView section, QStringView cle) const
    {
        return lire(FichierReglages::TarifNormal, section, cle);
    }

    ResultatEcriture EcrireTarifCEE(const QString &section, const QString &cle, const QString &valeur) const
    {
        return ecrire(FichierReglages::TarifCEE, section, cle, valeur);
    }

private:
    // The file that a read uses now.
    QString cheminLu(FichierReglages fichier) const;
    ResultatEcriture creerCopie(FichierReglages fichier, const QString &source,
                                const QList<EcritureIni> &ecritures) const;

    QString m_repertoire;
    QString m_repertoireUtilisateur;
    DossierProgramme m_programme;
};
