#pragma once

#include "settings/fichiersini.h"
#include "settings/miseajour.h"

#include <QString>
#include <QStringList>

#include <array>

// The 26 kinds of element a mailing is made of. Entries 1 to 25 hold a
// user-editable unit weight in PoidsElements.ini; entry 26 belongs to the
// extra-grams line and is the fixed text "0".
namespace CatalogueElements {

inline constexpr int NombreEntrees = 26;
inline constexpr int EntreesStockees = 25;
inline constexpr int NombreGroupes = 5;
inline const QString PoidsEntree26 = QStringLiteral("0");

struct Entree
{
    int numero;         // 1 to 26: Text<numero> in the dialog and the main window
    int groupe;         // 0 to 4, an index into groupes(); -1 for entry 26
    QString legende;    // caption beside the entry in the weights dialog
    QString section;
    QString cle;
    QString defaut;
};

// Entry n is entree(n), n from 1 to 26.
const Entree &entree(int numero);
const std::array<Entree, NombreEntrees> &entrees();

// Captions of the five groups, in order.
const std::array<QString, NombreGroupes> &groupes();

// Weights of entries 1 to 25 as the file holds them, and the stamp.
struct Poids
{
    QStringList valeurs;   // 25 texts, entry n at index n - 1
    QString miseAJour;
};

// Reads the 25 weights in entry order, then the stamp.
Poids charger(const FichiersIni &fichiers);

// The 25 default texts, in entry order.
QStringList defauts();

// Writes the 25 weights in entry order, then a new stamp, as one atomic
// replacement of the file.
ResultatEcriture enregistrer(const FichiersIni &fichiers, const QStringList &valeurs,
                             const QString &miseAJour = MiseAJour::maintenant());

} // namespace CatalogueElements
