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

    static ResultatEcriture echec(const QString &raison) { return {false, raison}; }
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

// Applies the writes in order and replaces the file atomically: either all of
// them reach the disk or the file stays byte for byte as it was. Something
// other than a regular file in the file's place is left alone: the write fails.
ResultatEcriture ecrireFichier(const QString &chemin, const QList<EcritureIni> &ecritures);

} // namespace FormatIni

enum class FichierIni { PoidsElements, TarifNormal, TarifEcopli, TarifCEE };

// The four settings files of one directory: the executable's for the
// program, a temporary one for the tests.
class FichiersIni
{
public:
    explicit FichiersIni(const QString &repertoire);

    // The directory of the running executable.
    static FichiersIni duProgramme();

    QString repertoire() const { return m_repertoire; }
    QString chemin(FichierIni fichier) const;

    QString lire(FichierIni fichier, QStringView section, QStringView cle) const;
    ResultatEcriture ecrire(FichierIni fichier, const QString &section, const QString &cle,
                            const QString &valeur) const;
    ResultatEcriture ecrire(FichierIni fichier, const QList<EcritureIni> &ecritures) const;

    QString LirePoidsElements(QStringView section, QStringView cle) const
    { return lire(FichierIni::PoidsElements, section, cle); }
    QString LireTarifNormal(QStringView section, QStringView cle) const
    { return lire(FichierIni::TarifNormal, section, cle); }
    QString LireTarifEcopli(QStringView section, QStringView cle) const
    { return lire(FichierIni::TarifEcopli, section, cle); }
    QString LireTarifCEE(QStringView section, QStringView cle) const
    { return lire(FichierIni::TarifCEE, section, cle); }

    ResultatEcriture EcrirePoidsElements(const QString &section, const QString &cle,
                                         const QString &valeur) const
    { return ecrire(FichierIni::PoidsElements, section, cle, valeur); }
    ResultatEcriture EcrireTarifNormal(const QString &section, const QString &cle,
                                       const QString &valeur) const
    { return ecrire(FichierIni::TarifNormal, section, cle, valeur); }
    ResultatEcriture EcrireTarifEcopli(const QString &section, const QString &cle,
                                       const QString &valeur) const
    { return ecrire(FichierIni::TarifEcopli, section, cle, valeur); }
    ResultatEcriture EcrireTarifCEE(const QString &section, const QString &cle,
                                    const QString &valeur) const
    { return ecrire(FichierIni::TarifCEE, section, cle, valeur); }

private:
    QString m_repertoire;
};
