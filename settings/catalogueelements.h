// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/fichiersini.h"
#include "settings/miseajour.h"

#include <QString>
#include <QStringList>

#include <array>

// The kinds of element a mailing is made of, one per line of the main
// window. Each entry holds a user-editable unit weight in PoidsElements.ini
// but the extra-grams entry, whose weight is the fixed text "0".
namespace CatalogueElements {

inline constexpr FichierReglages Fichier = FichierReglages::PoidsElements;
inline const QString NomFichier = QStringLiteral("PoidsElements");
inline constexpr int NombreEntrees = 26;
inline constexpr int NombreGroupes = 5;

// How the main window keeps a line's weight: in double precision, or as a
// four-place decimal (Decimal4); the extra grams are a decimal read from the
// fixed text and what the user types, joined.
enum class Forme { Double, Decimal, Grammes };

struct Entree
{
    int numero; // 1 to NombreEntrees: Text<numero> in the dialog and the main window
    int groupe; // an index into groupes(); -1 for the extra grams, in no group
    QString legende; // caption beside the entry in the weights dialog
    QString section;
    QString cle;
    QString defaut; // the extra grams' fixed text
    Forme forme;

    // Saved in the file and edited in the dialog.
    bool stockee() const { return !cle.isEmpty(); }
};

// Entry n is entree(n), n from 1 to NombreEntrees.
const Entree &entree(int numero);
const std::array<Entree, NombreEntrees> &entrees();

// Captions of the five groups, in order.
const std::array<QString, NombreGroupes> &groupes();

// The weights of all entries, the stored ones as the file holds them, and
// the stamp.
struct Poids
{
    QStringList valeurs; // entry n at index n - 1
    QString miseAJour;
};

// Reads the stored weights in entry order, then the stamp.
Poids charger(const FichiersIni &fichiers);

// The default texts of all entries, in entry order.
QStringList defauts();

// Writes the stored weights of `valeurs` (one text per entry) in entry
// order, then a new stamp, as one atomic replacement of the file.
ResultatEcriture enregistrer(const FichiersIni &fichiers, const QStringList &valeurs,
                             const QString &miseAJour = MiseAJour::maintenant());

} // namespace CatalogueElements
