// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/catalogueelements.h"

namespace CatalogueElements {

namespace {

Entree e(int numero, int groupe, const char16_t *legende, const char16_t *section, const char16_t *cle,
         const char16_t *defaut, Forme forme = Forme::Double)
{
    return {numero,
            groupe,
            QString::fromUtf16(legende),
            QString::fromUtf16(section),
            QString::fromUtf16(cle),
            QString::fromUtf16(defaut),
            forme};
}

constexpr Forme Decimal = Forme::Decimal;

} // namespace

const std::array<Entree, NombreEntrees> &entrees()
{
    // Keys keep their historic spellings ("Envellope", "Disquete"): files in
    // use depend on them.
    static const std::array<Entree, NombreEntrees> table = {
        e(1, 0, u"114 x 162", u"Env114", u"Envellope114", u"3,2"),
        e(2, 0, u"110 x 220", u"Env110", u"Envellope110", u"4,5"),
        e(3, 0, u"162 x 229", u"Env162", u"Envellope162", u"7,5"),
        e(4, 0, u"229 x 324", u"Env229", u"Envellope229", u"14,6", Decimal),
        e(5, 1, u"130 x 170", u"Env130", u"Envellope130", u"8,5"),
        e(6, 1, u"145 x 230", u"Env145", u"Envellope145", u"12,5"),
        e(7, 1, u"160 x 220", u"Env160", u"Envellope160", u"15"),
        e(8, 1, u"170 x 230", u"Env170", u"Envellope170", u"16"),
        e(9, 1, u"200 x 270", u"Env200", u"Envellope200", u"20,4"),
        e(10, 1, u"250 x 270", u"Env250", u"Envellope250", u"22"),
        e(11, 1, u"240 x 280", u"Env240", u"Envellope240", u"25"),
        e(12, 1, u"260 x 340", u"Env260", u"Envellope260", u"29,3"),
        e(13, 1, u"280 x 370", u"Env280", u"Envellope280", u"37,5", Decimal),
        e(14, 2, u"210 x 297 mm (A4)", u"Feuille", u"A4", u"5"),
        e(15, 2, u"297 x 420 mm (A3)", u"Feuille", u"A3", u"10"),
        e(16, 2, u"Courrier", u"Feuille", u"Courrier", u"2,5"),
        e(17, 2, u"Remb Sec. Sociale", u"RembSecSoc", u"RSS", u"4,4"),
        e(18, 2, u"Déclaration d'Impôt", u"DecImp", u"DI", u"9", Decimal),
        e(19, 3, u"Disquette 3P 1/2", u"Disquete", u"3P", u"19"),
        e(20, 3, u"Disquette 5P 1/4", u"Disquete", u"5P", u"15,7"),
        e(21, 3, u"CD ROM nu", u"CDROMS", u"CDRomNue", u"15"),
        e(22, 3, u"CD ROM Etuit Carton", u"CDROMS", u"EtuiCarton", u"22,2"),
        e(23, 3, u"CD ROM Boite Plast.", u"CDROMS", u"BoitierPlastique", u"92,1", Decimal),
        e(24, 4, u"Photo 150 x 100 mm", u"Photo", u"100MM", u"3,6"),
        e(25, 4, u"Photo 130 x 190 mm", u"Photo", u"130MM", u"6", Decimal),
        e(26, -1, u"", u"", u"", u"0", Forme::Grammes),
    };
    return table;
}

const Entree &entree(int numero)
{
    Q_ASSERT(numero >= 1 && numero <= NombreEntrees);
    return entrees().at(std::size_t(numero - 1));
}

const std::array<QString, NombreGroupes> &groupes()
{
    static const std::array<QString, NombreGroupes> captions
        = {QStringLiteral("Enveloppes Simples"), QStringLiteral("Enveloppes Matelassées"), QStringLiteral("Feuilles"),
           QStringLiteral("Supports Informatiques"), QStringLiteral("Photos")};
    return captions;
}

Poids charger(const FichiersIni &fichiers)
{
    Poids poids;
    const QByteArray octets = fichiers.contenu(Fichier);
    for (const Entree &en : entrees())
        poids.valeurs.append(en.stockee() ? FormatIni::lire(octets, en.section, en.cle) : en.defaut);
    poids.miseAJour = FormatIni::lire(octets, MiseAJour::Section, MiseAJour::Cle);
    return poids;
}

QStringList defauts()
{
    QStringList textes;
    for (const Entree &en : entrees())
        textes.append(en.defaut);
    return textes;
}

ResultatEcriture enregistrer(const FichiersIni &fichiers, const QStringList &valeurs, const QString &miseAJour)
{
    Q_ASSERT(valeurs.size() == NombreEntrees);
    QList<EcritureIni> ecritures;
    for (const Entree &en : entrees()) {
        if (en.stockee())
            ecritures.append(EcritureIni{en.section, en.cle, valeurs.at(en.numero - 1)});
    }
    ecritures.append(EcritureIni{MiseAJour::Section, MiseAJour::Cle, miseAJour});
    return fichiers.ecrire(Fichier, ecritures);
}

} // namespace CatalogueElements
