// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/form8.h"

#include "commun/construction.h"
#include "dialogs/dessinform8.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <iterator>

using namespace DessinForm8;

namespace {

QString description(const FichierTarifs::ServiceLu &s)
{
    return Tarifs::grille(s.service).Nom + QStringLiteral(" : ")
        + (s.produit.isEmpty() ? QStringLiteral("produit non précisé") : s.produit)
        + (s.enVigueur.isValid()
               ? QStringLiteral(", en vigueur le ") + s.enVigueur.toString(QStringLiteral("dd/MM/yyyy"))
               : QStringLiteral(", sans date d'entrée en vigueur"));
}

} // namespace

Form8::Form8(const QString &nomFichier, const QList<FichierTarifs::ServiceLu> &services,
             const std::array<GrilleTarif, 3> &grilles, QWidget *parent)
    : QDialog(parent)
{
    preparerFenetre(this, QStringLiteral("Form8"), Largeur, Hauteur, false);
    setWindowTitle(QStringLiteral("Importer des tarifs"));
    const QFont gras = policeSansSerif(8.25, true);

    creerLabel(this, QStringLiteral("Label1"), QStringLiteral("Fichier : ") + nomFichier, Fichier, gras);
    for (int i = 0; i < 3; ++i) {
        QLabel *l = creerLabel(this, QStringLiteral("Label%1").arg(i + 2),
                               i < services.size() ? description(services.at(i)) : QString(),
                               twips(120, HautServices + PasServices * i, 6960, 255), gras);
        l->setVisible(i < services.size());
    }

    const QList<FichierTarifs::LigneTarif> lignes = FichierTarifs::lignes(services, grilles);
    auto *tableau = new QTableWidget(int(lignes.size()), int(colonnes().size()), this);
    tableau->setObjectName(QStringLiteral("Grid1"));
    tableau->setAccessibleName(QStringLiteral("Prix avant et après l'import"));
    tableau->setGeometry(Tableau);
    for (QWidget *w : {static_cast<QWidget *>(tableau), static_cast<QWidget *>(tableau->horizontalHeader())})
        w->setFont(policeSansSerif(8.25, false));
    tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau->setTabKeyNavigation(false);
    tableau->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableau->verticalHeader()->hide();
    tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->verticalHeader()->setDefaultSectionSize(pixels(HauteurLigne));
    tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->horizontalHeader()->setFixedHeight(pixels(HauteurLigne));
    tableau->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < int(colonnes().size()); ++c) {
        tableau->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf16(colonnes()[c].titre)));
        tableau->setColumnWidth(c, pixels(colonnes()[c].largeur));
    }
    for (int i = 0; i < int(lignes.size()); ++i) {
        const FichierTarifs::LigneTarif &l = lignes.at(i);
        const QString textes[]
            = {Tarifs::grille(l.service).Nom, QStringLiteral("jusqu'à %1 g").arg(l.poidsMaxi), l.actuel, l.nouveau};
        for (int c = 0; c < int(std::size(textes)); ++c)
            tableau->setItem(i, c, new QTableWidgetItem(textes[c]));
        if (l.change())
            tableau->item(i, 3)->setFont(gras);
    }

    const QString avertissement = FichierTarifs::avertissement(services, QDate::currentDate());
    QLabel *rouge = creerLabel(this, QStringLiteral("Label5"), avertissement, EnVigueur, gras);
    QPalette p = rouge->palette();
    p.setColor(QPalette::WindowText, Couleurs::Rouge);
    rouge->setPalette(p);
    rouge->setVisible(!avertissement.isEmpty());

    QPushButton *enregistrer
        = creerBouton(this, QStringLiteral("Command1"), QStringLiteral("&Enregistrer"), Enregistrer);
    QPushButton *annuler = creerBouton(this, QStringLiteral("Command2"), QStringLiteral("&Annuler"), Annuler);
    connect(enregistrer, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    tableau->setFocus();
}
