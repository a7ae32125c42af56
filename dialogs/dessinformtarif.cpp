// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dessinformtarif.h"

#include <array>

namespace DessinFormTarif {

namespace {

// Form4's one column: the label on the field's line, to its left.
Champ ligneEcopli(const char *nom, int tranche, int haut, const char *nomLabel, const char16_t *legende,
                  int largeurLabel)
{
    return {nom, tranche, twips(2760, haut, 1095, 285), nomLabel, legende, twips(480, haut, largeurLabel, 255)};
}

// Form5's two columns: the label above the field.
Champ champCEE(const char *nom, int tranche, int gauche, int haut, const char *nomLabel, const char16_t *legende)
{
    return {nom, tranche, twips(gauche, haut, 1695, 285), nomLabel, legende, twips(gauche, haut - 240, 2055, 255)};
}

} // namespace

const Modele &modele(ServiceExpedition service)
{
    static const std::array<Modele, 3> modeles{
        {{"Form3",
          u"Tarification Normale: (Mise à jour le ",
          u"Les tarifs France Rapide n'ont pas été enregistrés.",
          5205,
          4350,
          false,
          twips(120, 0, 4935, 4215),
          u"",
          Qt::AlignCenter,
          false,
          {
              {"Text1", 1, twips(240, 480, 2055, 285), "Label1", u"Poids jusqu'à 20 Grs", twips(240, 240, 2055, 255)},
              {"Text2", 2, twips(240, 1200, 2055, 285), "Label2", u"Poids jusqu'à 50 Grs", twips(240, 960, 1935, 255)},
              {"Text3", 3, twips(240, 1920, 2055, 285), "Label3", u"Poids jusqu'à 100 Grs",
               twips(240, 1680, 1935, 255)},
              {"Text9", 4, twips(240, 2640, 2055, 285), "Label9", u"Poids jusqu'à 250 Grs",
               twips(240, 2400, 2055, 255)},
              {"Text8", Symbole, twips(240, 3360, 1695, 285), "Label8", u"Symbole Monétaire",
               twips(240, 3120, 2055, 255)},
              {"Text4", 5, twips(2640, 480, 2055, 285), "Label4", u"Poids jusqu'à 500 Grs",
               twips(2640, 240, 1935, 255)},
              {"Text5", 6, twips(2640, 1200, 2055, 285), "Label5", u"Poids jusqu'à 1000 Grs",
               twips(2640, 960, 2175, 255)},
              {"Text6", 7, twips(2640, 1920, 2055, 285), "Label6", u"Poids jusqu'à 2000 Grs",
               twips(2640, 1680, 2055, 255)},
              {"Text7", 8, twips(2640, 2640, 2055, 285), "Label7", u"Poids jusqu'à 3000 Grs",
               twips(2640, 2400, 2055, 255)},
          },
          {
              {"Command1", u"&Enregistrer", twips(2640, 3120, 2055, 375)},
              {"Command2", u"&Annuler", twips(2640, 3600, 975, 375)},
              {"Command3", u"&Défaut", twips(3720, 3600, 975, 375)},
          }},
         {"Form4",
          u"Tarif Lent (Ecopli): (Mise à jour le ",
          u"Les tarifs France Ecopli n'ont pas été enregistrés.",
          4935,
          3510,
          false,
          twips(120, 0, 4695, 3375),
          u"",
          Qt::AlignLeft | Qt::AlignVCenter,
          false,
          {
              ligneEcopli("Text1", 1, 240, "Label1", u"Poids jusq'à 20 Grs", 1935),
              ligneEcopli("Text2", 2, 720, "Label2", u"Poids jusq'à 50 Grs", 1935),
              ligneEcopli("Text3", 3, 1200, "Label3", u"Poids jusq'à 100 Grs", 1935),
              ligneEcopli("Text4", 4, 1680, "Label4", u"Poids jusq'à 250 Grs", 1935),
              ligneEcopli("Text5", Symbole, 2160, "Label8", u"Symbole Monétaire", 2055),
          },
          {
              {"Command1", u"&Enregistré", twips(120, 2760, 1335, 375)},
              {"Command2", u"&Annuler", twips(1680, 2760, 1335, 375)},
              {"Command3", u"&Défaut", twips(3240, 2760, 1335, 375)},
          }},
         {"Form5",
          u"Tarification CEE: (Mise à jour le ",
          u"Les tarifs vers l'Union européenne (zone 1) n'ont pas été enregistrés.",
          5445,
          4395,
          true,
          twips(120, 120, 5175, 4095),
          u"Modification de la tarification vers UE (Zone 1)",
          Qt::AlignCenter,
          true,
          {
              champCEE("Text1", 1, 360, 600, "Label1", u"Poids jusq'à 20 Grs"),
              champCEE("Text2", 2, 360, 1320, "Label2", u"Poids jusq'à 50 Grs"),
              champCEE("Text3", 3, 360, 2040, "Label5", u"Poids jusq'à 100 Grs"),
              champCEE("Text4", 4, 360, 2760, "Label6", u"Poids jusq'à 250 Grs"),
              champCEE("Text9", Symbole, 360, 3480, "Label3", u"Symbole Monétaire"),
              champCEE("Text5", 5, 3000, 600, "Label9", u"Poids jusq'à 500 Grs"),
              champCEE("Text6", 6, 3000, 1320, "Label8", u"Poids jusq'à 1000 Grs"),
              champCEE("Text7", 7, 3000, 2040, "Label10", u"Poids jusq'à 2000 Grs"),
              champCEE("Text8", Reserve, 3000, 2760, "Label15", u"Poids jusq'à 3000 Grs"),
          },
          {
              {"Command1", u"&Enregistré", twips(3000, 3120, 2175, 375)},
              {"Command2", u"&Annuler", twips(3000, 3600, 1095, 375)},
              {"Command3", u"&Defaut", twips(4200, 3600, 975, 375)},
          }}}};
    return modeles.at(std::size_t(service));
}

} // namespace DessinFormTarif
