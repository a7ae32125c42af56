#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What became of a write. A failed write changes nothing on disk, and
// `raison` says why in French, ready to show to the user.
struct ResultatEcriture
{
    bool ok = true;
    QString raison;
    // The system's error number when the system refused the write, else 0.
    int erreur = 0;

    static ResultatEcriture echec(const QString &raison, int erreur = 0)
    { return {false, raison, erreur}; }
    explicit operator bool() const { return ok; }
};

// One key to store, for the writes that a save makes in one go.
struct EcritureIni
{
    QString section;
    QString cle;
    QString valeur;
};

// The text format of the settings files, on bytes and on paths. Every call
// works on the file itself: nothing is kept between calls.
namespace FormatIni {

// Longest value a read returns; longer ones are cut.
inline constexpr int LongueurMaxValeur = 254;

QString lire(QByteArrayView contenu, QStringView section, QStringView cle);

// Applies the writes one after the other to `contenu`. On failure `contenu`
// is left as it was.
ResultatEcriture ecrire(QByteArray &contenu, const QList<EcritureIni> &ecritures);

// The empty text when the file, the section or the key is missing, or when
// the file cannot be read or is not a regular file (a pipe, a device).
QString lireFichier(const QString &chemin, QStringView section, QStringView cle);

// Applies the writes to the bytes of `source` (none if it is missing) and
// replaces `chemin` atomically: either all of them reach the disk or the file
// stays byte for byte as it was. Something other than a regular file in the
// file's place, a symbolic link included, is left alone: the write fails.
// `source` is only read.
ResultatEcriture ecrireFichier(const QString &chemin, const QList<EcritureIni> &ecritures,
                               const QString &source = {});

} // namespace FormatIni

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
// account can write it, nor the folder that holds it; a copy that is a
// symbolic link is never read nor written.
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

    QString repertoire() const { return m_repertoire; }
    QString repertoireUtilisateur() const { return m_repertoireUtilisateur; }
    // The file beside the program, and the user's copy (empty without a user's folder).
    QString chemin(FichierReglages fichier) const;
    QString cheminCopie(FichierReglages fichier) const;
    // The file that a read uses now.
    QString cheminLu(FichierReglages fichier) const;

    QString lire(FichierReglages fichier, QStringView section, QStringView cle) const;
    ResultatEcriture ecrire(FichierReglages fichier, const QString &section, const QString &cle,
                            const QString &valeur) const;
    ResultatEcriture ecrire(FichierReglages fichier, const QList<EcritureIni> &ecritures) const;

    QString LirePoidsElements(QStringView section, QStringView cle) const
    { return lire(FichierReglages::PoidsElements, section, cle); }
    QString LireTarifNormal(QStringView section, QStringView cle) const
    { return lire(FichierReglages::TarifNormal, section, cle); }
    QString LireTarifEcopli(QStringView section, QStringView cle) const
    { return lire(FichierReglages::TarifEcopli, section, cle); }
    QString LireTarifCEE(QStringView section, QStringView cle) const
    { return lire(FichierReglages::TarifCEE, section, cle); }

    ResultatEcriture EcrirePoidsElements(const QString &section, const QString &cle,
                                         const QString &valeur) const
    { return ecrire(FichierReglages::PoidsElements, section, cle, valeur); }
    ResultatEcriture EcrireTarifNormal(const QString &section, const QString &cle,
                                       const QString &valeur) const
    { return ecrire(FichierReglages::TarifNormal, section, cle, valeur); }
    ResultatEcriture EcrireTarifEcopli(const QString &section, const QString &cle,
                                       const QString &valeur) const
    { return ecrire(FichierReglages::TarifEcopli, section, cle, valeur); }
    ResultatEcriture EcrireTarifCEE(const QString &section, const QString &cle,
                                    const QString &valeur) const
    { return ecrire(FichierReglages::TarifCEE, section, cle, valeur); }

private:
    ResultatEcriture creerCopie(FichierReglages fichier, const QString &source,
                                const QList<EcritureIni> &ecritures) const;

    QString m_repertoire;
    QString m_repertoireUtilisateur;
    DossierProgramme m_programme;
};
