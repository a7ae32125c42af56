// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/formatini.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cstring>
#include <optional>

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

bool estBlanc(char c) { return c == ' ' || c == '\t'; }

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
            const void *trouve = std::memchr(m_contenu.data() + m_debut, c, std::size_t(m_contenu.size() - m_debut));
            position = trouve ? static_cast<const char *>(trouve) - m_contenu.data() : m_contenu.size();
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
    return lu.size() == demande.size() && QString::compare(decoder(lu), demande, Qt::CaseInsensitive) == 0;
}

bool estEntreGuillemets(QStringView v)
{
    return v.size() >= 2 && v.front() == v.back() && (v.front() == u'"' || v.front() == u'\'');
}

// Where, in the first occurrence of a section, a key stands.
struct Position
{
    bool sectionTrouvee = false;
    qsizetype finSection = -1; // end of the section's last non-blank line
    bool finAvecRetour = true; // whether that line has a line end
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
        if (egal >= 0 && !sansBlancs(texte).startsWith(';') && memeNom(sansBlancs(texte.first(egal)), cle)) {
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
    const auto contientFinDeLigne = [](const QString &t) { return t.contains(u'\r') || t.contains(u'\n'); };
    const QStringView cle = sansBlancs(QStringView(e.cle));
    const QStringView section = sansBlancs(QStringView(e.section));
    if (section.isEmpty()) {
        *raison = QStringLiteral("le nom de section est vide");
    } else if (contientFinDeLigne(e.section) || contientFinDeLigne(e.cle) || contientFinDeLigne(e.valeur)) {
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

        const Position p = chercher(resultat, sansBlancs(QStringView(e.section)), sansBlancs(QStringView(e.cle)));
        if (p.cle) {
            resultat.replace(p.cle->debut, p.cle->finTexte - p.cle->debut, *ligne);
        } else if (p.sectionTrouvee) {
            resultat.insert(p.finSection, p.finAvecRetour ? *ligne + "\r\n" : "\r\n" + *ligne + "\r\n");
        } else {
            if (!resultat.isEmpty() && !resultat.endsWith('\n') && !resultat.endsWith('\r'))
                resultat += "\r\n";
            resultat += '[' + *section + "]\r\n" + *ligne + "\r\n";
        }
    }
    contenu = resultat;
    return {};
}

} // namespace FormatIni
