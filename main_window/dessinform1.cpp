// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/dessinform1.h"

#include "commun/apparence.h"

namespace DessinForm1 {

const std::array<CadreDessin, NombreCadres> &cadres()
{
    static const std::array<CadreDessin, NombreCadres> table{{
        {u"Frame1", u"Enveloppes Simples", twips(120, 120, 2295, 1935), Couleurs::Bleu, 360, 1320},
        {u"Frame2", u"Enveloppes Matelasées", twips(120, 2280, 2295, 3735), Couleurs::Bleu, 360, 1320},
        {u"Frame3", u"Feuilles", twips(2640, 120, 3015, 2295), Couleurs::Bleu, 360, 2040},
        {u"Frame8", u"Résultat", twips(2640, 2520, 3015, 1815), Couleurs::Rouge, 0, 0},
        {u"Frame7", u"Choix d'expédition", twips(2640, 4440, 3015, 1575), Couleurs::Bleu, 360, 0},
        {u"Frame4", u"Supports Informatiques", twips(5880, 120, 3015, 2295), Couleurs::Bleu, 360, 2040},
        {u"Frame5", u"Photos", twips(5880, 2520, 3015, 1215), Couleurs::Bleu, 360, 2040},
        {u"Frame6", u"Poids Supplémentaire", twips(5880, 3840, 3015, 735), Couleurs::Bleu, 240, 2040},
    }};
    return table;
}

const std::array<LabelDessin, 3> &labelsResultat()
{
    static const std::array<LabelDessin, 3> table{{
        {u"Label3", u"0", twips(240, 840, 855, 255), 9.75, true, Couleurs::Bleu, true, Qt::AlignHCenter},
        {u"Label4", u"Grammes", twips(120, 1080, 1095, 255), 9.75, true, std::nullopt, true, Qt::AlignLeft},
        // Drawn over the stamp's picture, which it follows.
        {u"Label5", u"0,00 €", twips(1830, 240, 870, 255), 9.75, true, Couleurs::Blanc, false, Qt::AlignRight},
    }};
    return table;
}

const std::array<LabelDessin, 3> &labelsBas()
{
    static const std::array<LabelDessin, 3> table{{
        {u"Label27", u"Bienvenu dans Ambrelot", twips(240, 6120, 8655, 375), 8.25, true, Couleurs::Rouge, false,
         Qt::AlignLeft},
        // The dark name after its white edge, so that it lies above it.
        {u"Label31", u"Ambrelot", twips(5880, 5040, 3135, 735), 24, false, Couleurs::Blanc, false, Qt::AlignLeft},
        {u"Label32", u"Ambrelot", twips(5835, 5070, 3135, 735), 24, false, std::nullopt, false, Qt::AlignLeft},
    }};
    return table;
}

const std::array<OptionDessin, 3> &options()
{
    static const std::array<OptionDessin, 3> table{{
        {u"Expédition en France Rapide"},
        {u"Expédition en France Ecopli (Tarif Lent)"},
        {u"Expédition en UE (l'Union Européenne)"},
    }};
    return table;
}

namespace {

constexpr const char16_t *Grammes = u" Grammes";
constexpr const char16_t *Matelassee
    = u"Enveloppe en craft blanc ou brun qualité 90g/M². Protection à matelas film polyéthylène à bulles d'air. "
      u"Poids ";
constexpr const char16_t *Photo = u"Photo  24-36 agrandie sur papier. Poids ";

} // namespace

const std::array<LigneDessin, CatalogueElements::NombreEntrees> &lignes()
{
    static const std::array<LigneDessin, CatalogueElements::NombreEntrees> table{{
        {Frame1, u"Label6", u"114 x 162", 975, u"Enveloppe Blanche courante de type autocollante (Format C6). Poids ",
         Grammes},
        {Frame1, u"Label7", u"110 x 220", 975, u"Enveloppe Blanche courante de type autocollante (Format DL). Poids ",
         Grammes},
        {Frame1, u"Label8", u"162 x 229", 975, u"Enveloppe Blanche ou brune (Format C5). Poids ", Grammes},
        {Frame1, u"Label9", u"229 x 324", 975,
         u"Enveloppe Blanche ou brune pour feuille au format A4 (Foramt C4). Poids ", Grammes},
        {Frame2, u"Label13", u"130 x 170", 975, Matelassee, Grammes},
        {Frame2, u"Label12", u"145 x 230", 975, Matelassee, Grammes},
        {Frame2, u"Label11", u"160 x 220", 975, Matelassee, Grammes},
        {Frame2, u"Label10", u"170 x 230", 975, Matelassee, Grammes},
        {Frame2, u"Label17", u"200 x 270", 975, Matelassee, Grammes},
        {Frame2, u"Label16", u"250 x 270", 975, Matelassee, Grammes},
        {Frame2, u"Label15", u"240 x 280", 975, Matelassee, Grammes},
        {Frame2, u"Label14", u"260 x 340", 975, Matelassee, Grammes},
        {Frame2, u"Label18", u"280 x 370", 975, Matelassee, Grammes},
        {Frame3, u"Label20", u"210 x 297 mm (A4)", 1815,
         u"Feuille de format A4 de qualité 80g. Courament utilisée pour les photocopie et les imprimantes. Poids ",
         Grammes},
        {Frame3, u"Label19", u"297 x 420 mm (A3)", 1815,
         u"Feuille de format A3 de qualité 80g. Courament utilisée pour les photocopie et les imprimantes. Poids ",
         Grammes},
        {Frame3, u"Label2", u"Courrier", 1695,
         u"Feuille légère 180 x 210 mm de courrier ou d'ordonnance de médecin. Poids ", Grammes},
        {Frame3, u"Label1", u"Remb Sec. Sociale", 1815,
         u"Feuille double de remboursement Sécurité Sociale n° 60-3777. Poids ", u" Grammes (sans vignettes)"},
        {Frame3, u"Label21", u"Déclaration d'Impôts", 1815,
         u"Feuille double de déclaration simplifiée d'Impôt sur le revenu. Poids ", Grammes},
        {Frame4, u"Label23", u"Disquette 3p 1/2", 1695, u"Disquette Informatique au format 3 Pouces 1/2. Poids moyen ",
         Grammes},
        {Frame4, u"Label24", u"Disquette 5p 1/4", 1815,
         u"Disquette Informatique au format 5 Pouces 1/4 protégé par une enveloppe en papier. Poids moyen ", Grammes},
        {Frame4, u"Label25", u"CD ROM seul", 1695, u"CD ROM ou CD AUDIO diamètre 12 cms sans protection. Poids ",
         Grammes},
        {Frame4, u"Label26", u"CD ROM Etuit Carton", 1815,
         u"CD ROM ou CD AUDIO diamètre 12 cms en étuit Carton style CD ROM de magazine. Poids ", Grammes},
        {Frame4, u"Label22", u"CD ROM Boite Plast.", 1815,
         u"CD ROM ou CD AUDIO diamètre 12 cms dans une boite plastique transparente. Poids ", Grammes},
        {Frame5, u"Label30", u"Photo 100 x 150 mm", 1935, Photo, Grammes},
        {Frame5, u"Label29", u"Photo 130 x 190 mm", 1815, Photo, Grammes},
        // The extra-grams line quotes its own box, not a unit weight.
        {Frame6, u"Label28", u"Poids supp en Grs", 1935, nullptr, nullptr},
    }};
    return table;
}

const std::array<EntreeMenu, 9> &menuFichier()
{
    using F = Fenetre;
    using C = Commande;
    static const std::array<EntreeMenu, 9> table{{
        {u"MnuParamètres", u"&Poids des Eléments", Qt::CTRL | Qt::Key_P, C::Ouvrir, F::Poids, u":/images/poids.svg"},
        {u"MnuBar1", nullptr, {}, {}, {}, nullptr},
        {u"MnuTarifNormale", u"Tarif France &Rapide", Qt::CTRL | Qt::Key_R, C::Ouvrir, F::TarifNormal,
         u":/images/tr.svg"},
        {u"MnuEcopli", u"Tarif France &Ecopli", Qt::CTRL | Qt::Key_E, C::Ouvrir, F::TarifEcopli, u":/images/te.svg"},
        {u"MnuTarifCEE", u"Tarif Vers UE", Qt::CTRL | Qt::Key_C, C::Ouvrir, F::TarifCEE, u":/images/tce.svg"},
        {u"MnuImporter", u"&Importer des tarifs…", Qt::CTRL | Qt::Key_I, C::Importer, {}, nullptr},
        {u"MnuExporter", u"E&xporter les tarifs…", {}, C::Exporter, {}, nullptr},
        {u"MnuBar2", nullptr, {}, {}, {}, nullptr},
        // Nothing to save on leaving: the counts are never kept and the
        // settings are saved by their dialogs only.
        {u"MnuQuitter", u"&Quitter", Qt::CTRL | Qt::Key_Q, C::Quitter, {}, u":/images/croix.svg"},
    }};
    return table;
}

QString styleMenus()
{
    const QString noir = QColor(Qt::black).name();
    const QString blanc = Couleurs::Blanc.name();
    const QString gris = Couleurs::GrisClair.name();
    const QString fond = Couleurs::Lavande.name();
    const QString bord = Couleurs::Pervenche.name();
    return QStringLiteral(
               "QMenuBar { background-color: %3; color: %1; }"
               "QMenuBar::item { background: transparent; padding: 2px 6px; border: 1px solid transparent; }"
               "QMenuBar::item:selected, QMenuBar::item:pressed {"
               " background-color: %4; border: 1px solid %5; color: %2; }"
               "QMenu { background-color: %2; border: 1px solid %2; }"
               "QMenu::item { background-color: %4; color: %1; padding: 3px 24px 3px 28px; border: 1px solid %4; }"
               "QMenu::item:selected { background-color: %4; border: 1px solid %5; color: %2; }"
               "QMenu::item:disabled { background-color: %4; border: 1px solid %5; color: %3; }"
               "QMenu::icon { padding-left: 4px; }"
               "QMenu::separator { height: 1px; background: %5; margin: 2px 0px; }")
        .arg(noir, blanc, gris, fond, bord);
}

} // namespace DessinForm1
