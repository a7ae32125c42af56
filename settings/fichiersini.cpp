#include "settings/fichiersini.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The files are Windows-1252: one byte per character, both ways.
constexpr const char *CodePage = "windows-1252";

// Windows-1252 maps each byte to one character, so Qt's decoder is asked once
// for all 256 and every later decoding is a lookup.
const std::array<char16_t, 256> &tableDecodage()
{
    static const std::array<char16_t, 256> table = [] {
        QByteArray tous(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            tous[i] = char(i);
        QStringDecoder d(CodePage, QStringDecoder::Flag::Stateless);
        const QString texte = d.decode(tous);
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = texte.size() == 256 ? texte[i].unicode() : char16_t(0xFFFD);
        return t;
    }();
    return table;
}

QString decoder(QByteArrayView octets)
{
    const auto &table = tableDecodage();
    QString texte(octets.size(), Qt::Uninitialized);
    char16_t *sortie = reinterpret_cast<char16_t *>(texte.data());
    for (qsizetype i = 0; i < octets.size(); ++i)
        sortie[i] = table[uchar(octets[i])];
    return texte;
}

bool estBlanc(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView sansBlancs(QByteArrayView v)
{
    qsizetype debut = 0;
    qsizetype fin = v.size();
    while (debut < fin && estBlanc(v[debut]))
        ++debut;
    while (fin > debut && estBlanc(v[fin - 1]))
        --fin;
    return v.sliced(debut, fin - debut);
}

QStringView sansBlancs(QStringView v)
{
    qsizetype debut = 0;
    qsizetype fin = v.size();
    while (debut < fin && (v[debut] == u' ' || v[debut] == u'\t'))
        ++debut;
    while (fin > debut && (v[fin - 1] == u' ' || v[fin - 1] == u'\t'))
        --fin;
    return v.sliced(debut, fin - debut);
}

// One line of a file: its text without the line end, and where the next
// line starts. A line ends in CRLF, LF alone or CR alone.
struct Ligne
{
    qsizetype debut;
    qsizetype finTexte;
    qsizetype suivante;

    bool aUneFin() const { return suivante > finTexte; }
};

// Walks a file line by line. The next CR and the next LF are each found with
// memchr and kept until passed, so a file is scanned about twice in all.
class Lignes
{
public:
    explicit Lignes(QByteArrayView contenu) : m_contenu(contenu)
    {
        // A file saved as UTF-8 by an editor may begin with a byte-order
        // mark; it must not hide the first section. Its bytes are kept.
        if (contenu.startsWith("\xEF\xBB\xBF"))
            m_debut = 3;
    }

    bool finie() const { return m_debut >= m_contenu.size(); }

    Ligne suivante()
    {
        const qsizetype n = m_contenu.size();
        const qsizetype cr = prochain(m_cr, '\r');
        const qsizetype lf = prochain(m_lf, '\n');
        const qsizetype fin = std::min(cr, lf);
        qsizetype apres = fin;
        if (fin < n)
            apres = fin + (fin == cr && lf == cr + 1 && lf < n ? 2 : 1);
        const Ligne l{m_debut, fin, apres};
        m_debut = apres;
        return l;
    }

private:
    qsizetype prochain(qsizetype &position, char c) const
    {
        if (position < m_debut) {
            const void *trouve = std::memchr(m_contenu.data() + m_debut, c,
                                             std::size_t(m_contenu.size() - m_debut));
            position = trouve ? static_cast<const char *>(trouve) - m_contenu.data()
                              : m_contenu.size();
        }
        return position;
    }

    QByteArrayView m_contenu;
    qsizetype m_debut = 0;
    qsizetype m_cr = -1;
    qsizetype m_lf = -1;
};

// The name of a section line "[name]", or nothing for any other line.
std::optional<QByteArrayView> nomDeSection(QByteArrayView texte)
{
    const QByteArrayView t = sansBlancs(texte);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']')
        return std::nullopt;
    return sansBlancs(t.sliced(1, t.size() - 2));
}

// A name read from the file equals the asked one without regard to case
// ("É" matches "é"); one byte per character makes a length check cheap.
bool memeNom(QByteArrayView lu, QStringView demande)
{
    return lu.size() == demande.size()
        && QString::compare(decoder(lu), demande, Qt::CaseInsensitive) == 0;
}

bool estEntreGuillemets(QStringView v)
{
    return v.size() >= 2 && v.front() == v.back() && (v.front() == u'"' || v.front() == u'\'');
}

// Where, in the first occurrence of a section, a key stands.
struct Position
{
    bool sectionTrouvee = false;
    qsizetype finSection = -1;    // end of the section's last non-blank line
    bool finAvecRetour = true;    // whether that line has a line end
    std::optional<Ligne> cle;
};


Position chercher(QByteArrayView contenu, QStringView section, QStringView cle)
{
    Position p;
    bool dedans = false;
    for (Lignes lignes(contenu); !lignes.finie();) {
        const Ligne l = lignes.suivante();
        const QByteArrayView texte = contenu.sliced(l.debut, l.finTexte - l.debut);
        if (const auto nom = nomDeSection(texte)) {
            if (dedans)
                break; // only the first occurrence of a section counts
            if (memeNom(*nom, section)) {
                dedans = p.sectionTrouvee = true;
                p.finSection = l.suivante;
                p.finAvecRetour = l.aUneFin();
            }
            continue;
        }
        if (!dedans)
            continue;
        if (!sansBlancs(texte).isEmpty()) {
            p.finSection = l.suivante;
            p.finAvecRetour = l.aUneFin();
        }
        const qsizetype egal = texte.indexOf('=');
        if (egal >= 0 && !sansBlancs(texte).startsWith(';')
            && memeNom(sansBlancs(texte.first(egal)), cle)) {
            p.cle = l;
            return p;
        }
    }
    return p;
}

QString raisonCaractere(const QString &texte)
{
    QStringEncoder encodeur(CodePage, QStringEncoder::Flag::Stateless);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const qsizetype longueur = texte[i].isHighSurrogate() && i + 1 < texte.size() ? 2 : 1;
        const QStringView c = QStringView(texte).sliced(i, longueur);
        if (decoder(QByteArray(encodeur.encode(c))) != c) {
            return QStringLiteral("le caractère « %1 » ne peut pas être enregistré dans un "
                                  "fichier de réglages")
                .arg(c.toString());
        }
        i += longueur - 1;
    }
    return {};
}

// Encodes a name or value, refusing what the file could not give back.
std::optional<QByteArray> encoder(const QString &texte, QString *raison)
{
    QStringEncoder encodeur(CodePage, QStringEncoder::Flag::Stateless);
    QByteArray octets = encodeur.encode(QStringView(texte));
    if (encodeur.hasError() || decoder(octets) != texte) {
        *raison = raisonCaractere(texte);
        if (raison->isEmpty())
            *raison = QStringLiteral("le texte « %1 » ne peut pas être enregistré").arg(texte);
        return std::nullopt;
    }
    return octets;
}

// The line "key=value", or why it cannot be written so that a read gives the
// value back.
std::optional<QByteArray> ligneCle(const EcritureIni &e, QString *raison)
{
    const auto contientFinDeLigne = [](const QString &t) {
        return t.contains(u'\r') || t.contains(u'\n');
    };
    const QStringView cle = sansBlancs(QStringView(e.cle));
    const QStringView section = sansBlancs(QStringView(e.section));
    if (section.isEmpty()) {
        *raison = QStringLiteral("le nom de section est vide");
    } else if (contientFinDeLigne(e.section) || contientFinDeLigne(e.cle)
               || contientFinDeLigne(e.valeur)) {
        *raison = QStringLiteral("un retour à la ligne ne peut pas être enregistré");
    } else if (cle.isEmpty()) {
        *raison = QStringLiteral("le nom de clé est vide");
    } else if (cle.contains(u'=') || cle.startsWith(u'[') || cle.startsWith(u';')) {
        *raison = QStringLiteral("le nom de clé « %1 » n'est pas permis").arg(e.cle);
    } else if (e.valeur.size() > FormatIni::LongueurMaxValeur) {
        *raison = QStringLiteral("la valeur dépasse %1 caractères").arg(FormatIni::LongueurMaxValeur);
    }
    if (!raison->isEmpty())
        return std::nullopt;

    // Quotes keep what a read would otherwise take away: spaces at either
    // end, or a pair of quotes that belongs to the value.
    QString valeur = e.valeur;
    if (sansBlancs(QStringView(valeur)).size() != valeur.size() || estEntreGuillemets(valeur))
        valeur = u'"' + valeur + u'"';

    const auto octetsCle = encoder(e.cle, raison);
    if (!octetsCle)
        return std::nullopt;
    const auto octetsValeur = encoder(valeur, raison);
    if (!octetsValeur)
        return std::nullopt;
    return *octetsCle + '=' + *octetsValeur;
}

QString raisonSysteme(int erreur, const QString &repli)
{
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case EFBIG:
        return QStringLiteral("la taille de fichier permise est dépassée");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès au dossier est refusé");
    case EROFS:
        return QStringLiteral("le dossier est en lecture seule");
    case EISDIR:
        return QStringLiteral("un dossier porte le nom du fichier");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("le dossier n'existe pas");
    default:
        return repli;
    }
}

// How opening an existing settings file went.
enum class Ouverture { Ouvert, Absent, PasUnFichier, Dossier, Erreur };

// Opens a settings file for reading, refusing anything but a regular file:
// a named pipe would block the open and the read, a device might never end.
Ouverture ouvrir(const QString &chemin, QFile &fichier)
{
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Ouverture::Absent : Ouverture::Erreur;
    struct stat etat{};
    if (fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        const bool dossier = S_ISDIR(etat.st_mode);
        ::close(fd);
        return dossier ? Ouverture::Dossier : Ouverture::PasUnFichier;
    }
    if (!fichier.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Ouverture::Erreur;
    }
    return Ouverture::Ouvert;
}

ResultatEcriture echecDansDossier(const QString &chemin, const QString &raison, int erreur = 0)
{
    const QFileInfo info(chemin);
    return ResultatEcriture::echec(
        QStringLiteral("Impossible d'enregistrer « %1 » dans le dossier « %2 » : %3.")
            .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), raison),
        erreur);
}

// Creates a folder and its missing parents, private to the user as the XDG
// base directory rules ask. The error number of the failure, or 0.
int creerDossier(const QString &dossier)
{
    const QByteArray nom = QFile::encodeName(dossier);
    if (::mkdir(nom.constData(), 0700) == 0)
        return 0;
    int erreur = errno;
    if (erreur == ENOENT) {
        const QString parent = QFileInfo(dossier).absolutePath();
        if (parent == dossier)
            return erreur;
        erreur = creerDossier(parent);
        if (erreur != 0)
            return erreur;
        if (::mkdir(nom.constData(), 0700) == 0)
            return 0;
        erreur = errno;
    }
    struct stat etat{};
    if (erreur == EEXIST && ::stat(nom.constData(), &etat) == 0)
        return S_ISDIR(etat.st_mode) ? 0 : ENOTDIR;
    return erreur;
}

// Why a folder of the account's may not hold its settings, or the empty text
// when it may: it must belong to the account, and no other account may write
// in it. Links are followed: only where they lead matters.
QString raisonDossier(const QString &dossier, bool contenant)
{
    struct stat etat{};
    if (::stat(QFile::encodeName(dossier).constData(), &etat) != 0)
        return {};
    const QString lequel = contenant
        ? QStringLiteral("le dossier « %1 », qui le contient,").arg(QDir::toNativeSeparators(dossier))
        : QStringLiteral("il");
    if (etat.st_uid != ::geteuid())
        return QStringLiteral("%1 appartient à un autre compte").arg(lequel);
    if (etat.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("d'autres comptes peuvent écrire dans %1")
            .arg(contenant ? lequel.chopped(1) : QStringLiteral("ce dossier"));
    return {};
}

// Why the account's folder `dossier` may not hold its settings, or empty.
QString raisonDossierDuCompte(const QString &dossier)
{
    const QString raison = raisonDossier(dossier, false);
    return raison.isEmpty() ? raisonDossier(QFileInfo(dossier).absolutePath(), true) : raison;
}

bool estUnLien(const QString &chemin)
{
    struct stat etat{};
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 && S_ISLNK(etat.st_mode);
}

// Reads `source` (nothing if it is missing), applies the writes and replaces
// `chemin` atomically with the result.
ResultatEcriture enregistrer(const QString &chemin, const QString &source,
                             const QList<EcritureIni> &ecritures)
{
    const auto echec = [&](const QString &raison, int erreur = 0) {
        return echecDansDossier(chemin, raison, erreur);
    };
    // A save writes only the file it means: never the target of a link,
    // which might be any file of the account's.
    if (estUnLien(chemin))
        return echec(QStringLiteral("le fichier est un lien symbolique"));

    QByteArray contenu;
    QFile ancien;
    switch (ouvrir(source, ancien)) {
    case Ouverture::Absent:
        break;
    case Ouverture::Dossier:
        return echec(raisonSysteme(EISDIR, {}));
    case Ouverture::PasUnFichier:
        // Replacing a pipe or a device with a file would not be a save.
        return echec(QStringLiteral("ce n'est pas un fichier ordinaire"));
    case Ouverture::Erreur:
        return echec(QStringLiteral("le fichier existant ne peut pas être lu"));
    case Ouverture::Ouvert:
        contenu = ancien.readAll();
        if (ancien.error() != QFileDevice::NoError)
            return echec(QStringLiteral("le fichier existant ne peut pas être lu"));
        ancien.close();
        break;
    }

    const ResultatEcriture applique = FormatIni::ecrire(contenu, ecritures);
    if (!applique)
        return echec(applique.raison);

    // Written beside the old file, then renamed over it: a crash, a full disk
    // or a killed process never leaves a half-written file.
    QSaveFile nouveau(chemin);
    errno = 0;
    if (!nouveau.open(QIODevice::WriteOnly)) {
        const int erreur = errno;
        return echec(raisonSysteme(erreur, QStringLiteral("le fichier ne peut pas être créé")), erreur);
    }
    // Qt reports a short write (file-size limit, full disk) as a success, so
    // the temporary file's size on disk is checked before it replaces the old.
    const bool ecrit = nouveau.write(contenu) == contenu.size() && nouveau.flush();
    const int erreur = errno;
    struct stat etat{};
    if (!ecrit || fstat(nouveau.handle(), &etat) != 0 || etat.st_size != contenu.size()) {
        nouveau.cancelWriting();
        return echec(raisonSysteme(erreur, QStringLiteral("l'écriture a échoué")), erreur);
    }
    errno = 0;
    if (!nouveau.commit()) {
        const int erreurCommit = errno;
        return echec(raisonSysteme(erreurCommit, QStringLiteral("l'écriture a échoué")), erreurCommit);
    }
    return {};
}

} // namespace

namespace FormatIni {

QString lire(QByteArrayView contenu, QStringView section, QStringView cle)
{
    const Position p = chercher(contenu, sansBlancs(section), sansBlancs(cle));
    if (!p.cle)
        return {};
    const QByteArrayView texte = contenu.sliced(p.cle->debut, p.cle->finTexte - p.cle->debut);
    QString valeur = decoder(sansBlancs(texte.sliced(texte.indexOf('=') + 1)));
    if (estEntreGuillemets(valeur))
        valeur = valeur.sliced(1, valeur.size() - 2);
    valeur.truncate(LongueurMaxValeur);
    return valeur;
}

ResultatEcriture ecrire(QByteArray &contenu, const QList<EcritureIni> &ecritures)
{
    QByteArray resultat = contenu;
    for (const EcritureIni &e : ecritures) {
        QString raison;
        const auto ligne = ligneCle(e, &raison);
        if (!ligne)
            return ResultatEcriture::echec(raison);
        const auto section = encoder(e.section, &raison);
        if (!section)
            return ResultatEcriture::echec(raison);

        const Position p = chercher(resultat, sansBlancs(QStringView(e.section)),
                                    sansBlancs(QStringView(e.cle)));
        if (p.cle) {
            resultat.replace(p.cle->debut, p.cle->finTexte - p.cle->debut, *ligne);
        } else if (p.sectionTrouvee) {
            resultat.insert(p.finSection,
                            p.finAvecRetour ? *ligne + "\r\n" : "\r\n" + *ligne + "\r\n");
        } else {
            if (!resultat.isEmpty() && !resultat.endsWith('\n') && !resultat.endsWith('\r'))
                resultat += "\r\n";
            resultat += '[' + *section + "]\r\n" + *ligne + "\r\n";
        }
    }
    contenu = resultat;
    return {};
}

QString lireFichier(const QString &chemin, QStringView section, QStringView cle)
{
    QFile fichier;
    if (ouvrir(chemin, fichier) != Ouverture::Ouvert)
        return {};
    return lire(fichier.readAll(), section, cle);
}

ResultatEcriture ecrireFichier(const QString &chemin, const QList<EcritureIni> &ecritures,
                               const QString &source)
{
    return enregistrer(chemin, source.isEmpty() ? chemin : source, ecritures);
}

} // namespace FormatIni

FichiersIni::FichiersIni(const QString &repertoire, const QString &repertoireUtilisateur,
                         DossierProgramme programme)
    : m_repertoire(repertoire), m_repertoireUtilisateur(repertoireUtilisateur), m_programme(programme)
{
}

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

QString FichiersIni::chemin(FichierReglages fichier) const
{
    const char *nom = "TarifCEE";
    switch (fichier) {
    case FichierReglages::PoidsElements:
        nom = "PoidsElements";
        break;
    case FichierReglages::TarifNormal:
        nom = "TarifNormal";
        break;
    case FichierReglages::TarifEcopli:
        nom = "TarifEcopli";
        break;
    case FichierReglages::TarifCEE:
        break;
    }
    return m_repertoire + u'/' + QLatin1StringView(nom) + QStringLiteral(".ini");
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
    const bool utilisable = !copie.isEmpty() && QFileInfo::exists(copie) && !estUnLien(copie)
        && raisonDossierDuCompte(m_repertoireUtilisateur).isEmpty();
    return utilisable ? copie : chemin(fichier);
}

QString FichiersIni::lire(FichierReglages fichier, QStringView section, QStringView cle) const
{
    return FormatIni::lireFichier(cheminLu(fichier), section, cle);
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
    const ResultatEcriture ici = FormatIni::ecrireFichier(lu, ecritures);
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
    const int erreur = creerDossier(m_repertoireUtilisateur);
    if (erreur != 0)
        return echecDansDossier(copie, raisonSysteme(erreur, QStringLiteral("le dossier ne peut pas être créé")), erreur);
    if (const QString raison = raisonDossierDuCompte(m_repertoireUtilisateur); !raison.isEmpty())
        return echecDansDossier(copie, raison);
    return FormatIni::ecrireFichier(copie, ecritures, source);
}
