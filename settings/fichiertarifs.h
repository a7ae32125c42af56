// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fichiersini.h"
#include "settings/tarifs.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

// Price files: the yearly prices as a table a spreadsheet can write
// ("Service;Jusqu'à (g);Prix;Produit;En vigueur le"), read whole or refused
// whole, imported through the tariff dialogs' save path, and written back
// from the current grids.
namespace FichierTarifs {

// The columns, in the order an export writes them, and their names.
enum Colonne { Service, Poids, Prix, Produit, EnVigueur, NombreColonnes };
const QString &nomColonne(int colonne);

// A price file is a few lines; anything larger is not one.
inline constexpr qsizetype TailleMaximale = 1024 * 1024;

struct PrixLu
{
    qsizetype tranche; // index in Tarifs::grille(service).Tranches
    QString prix; // "3,47" or ">>"
};

// What the file says of one service.
struct ServiceLu
{
    ServiceExpedition service;
    QString produit;
    QDate enVigueur; // null when the file gives no date
    QList<PrixLu> prix; // bracket order
};

struct Lecture
{
    QList<ServiceLu> services; // ServiceExpedition order
    // Why the whole file is refused, naming the file, the line and the
    // column; empty when it is accepted.
    QString refus;
};

// Reads the bytes of the file named `nomFichier` (its name only appears in
// the refusal).
Lecture lire(QByteArrayView octets, const QString &nomFichier);
// Reads the file at `chemin`, refused when it cannot be read.
Lecture lireFichier(const QString &chemin);

// One bracket of a named service, its price now and after the import.
struct LigneTarif
{
    ServiceExpedition service;
    int poidsMaxi;
    QString actuel;
    QString nouveau;

    bool change() const { return actuel != nouveau; }
};

// Every bracket of every service the file names; a bracket the file does
// not name keeps its price.
QList<LigneTarif> lignes(const QList<ServiceLu> &services, const std::array<GrilleTarif, 3> &grilles);

// The stamp an import writes: the day the prices come into force, at
// 00:00, or `maintenant` when the file gives no day.
QString tampon(const ServiceLu &service, const QDateTime &maintenant);

// "Ces prix entrent en vigueur le 1er janvier 2027." for the earliest day
// after `aujourdhui` the file names; empty when none does.
QString avertissement(const QList<ServiceLu> &services, QDate aujourdhui);

// The three grids as the settings files hold them now.
std::array<GrilleTarif, 3> grillesActuelles(const FichiersIni &fichiers);

struct ResultatImport
{
    QList<LigneTarif> changements; // the brackets whose price changed on disk
    QString echec; // the refusal or the failed save's reason
};

// Saves each named grid whose prices change, or whose stamp's day differs
// from the day the file gives: one atomic file each, symbol and reserve
// value kept; stops at the first failure. A refused file writes nothing.
ResultatImport importer(const Lecture &lecture, const FichiersIni &fichiers,
                        const QDateTime &maintenant = QDateTime::currentDateTime());

// The three grids, every bracket, ";" separated, UTF-8 with a byte-order
// mark, CRLF; "Produit" empty, "En vigueur le" the day of the grid's stamp.
QByteArray exporter(const FichiersIni &fichiers);
// Writes the export to `chemin`, replacing it whole; why it could not, or
// the empty text.
QString exporterVers(const QString &chemin, const FichiersIni &fichiers);

} // namespace FichierTarifs
