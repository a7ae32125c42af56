// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form7.h"

#include "commun/construction.h"
#include "dialogs/dessinform7.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <iterator>

using namespace DessinForm7;

Form7::Form7(const Comparaison &comparaison, QWidget *parent) : QDialog(parent)
{
    preparerFenetre(this, QStringLiteral("Form7"), Largeur, Hauteur, false);
    setWindowTitle(QStringLiteral("Comparer les services"));
    QLabel *total = creerLabel(this, QStringLiteral("Label1"),
                               QStringLiteral("Poids total : ") + comparaison.total + QStringLiteral(" Grammes"),
                               Label1, policeSansSerif(8.25, true));
    total->setAccessibleName(total->text());
    construireTableau(comparaison);
    construireAvertissements(comparaison.avertissements);

    QPushButton *choisir = creerBouton(this, QStringLiteral("Command1"), QStringLiteral("&Choisir"), Command1);
    QPushButton *fermer = creerBouton(this, QStringLiteral("Command2"), QStringLiteral("&Fermer"), Command2);
    choisir->setAccessibleName(QStringLiteral("Choisir"));
    fermer->setAccessibleName(QStringLiteral("Fermer"));
    // Unlike the settings dialogs' buttons, these take Enter as any dialog's
    // do: it chooses, but on "Fermer", which it presses.
    for (QPushButton *b : {choisir, fermer})
        b->setAutoDefault(true);
    choisir->setDefault(true);
    connect(choisir, &QPushButton::clicked, this, &QDialog::accept);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tableau, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    // Created before the buttons, the table comes first in the Tab order.
    m_tableau->setFocus();
}

void Form7::construireTableau(const Comparaison &comparaison)
{
    m_tableau = new QTableWidget(int(comparaison.services.size()), int(colonnes().size()), this);
    m_tableau->setObjectName(QStringLiteral("Grid1"));
    m_tableau->setAccessibleName(QStringLiteral("Services comparés"));
    m_tableau->setGeometry(Grid1);
    // The headers too: the desktop may give them a font of their own.
    for (QWidget *w : {static_cast<QWidget *>(m_tableau), static_cast<QWidget *>(m_tableau->horizontalHeader()),
                       static_cast<QWidget *>(m_tableau->verticalHeader())})
        w->setFont(policeSansSerif(8.25, false));
    m_tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableau->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the buttons; the arrows move between the rows.
    m_tableau->setTabKeyNavigation(false);
    m_tableau->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tableau->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QHeaderView *entete : {m_tableau->horizontalHeader(), m_tableau->verticalHeader()})
        entete->setSectionResizeMode(QHeaderView::Fixed);
    m_tableau->horizontalHeader()->setFixedHeight(pixels(HauteurLigne));
    m_tableau->horizontalHeader()->setStretchLastSection(true);
    m_tableau->verticalHeader()->setMinimumSectionSize(pixels(HauteurLigne));
    m_tableau->verticalHeader()->setDefaultSectionSize(pixels(HauteurLigne));
    m_tableau->verticalHeader()->setFixedWidth(pixels(LargeurEntetesLignes));

    for (int c = 0; c < int(colonnes().size()); ++c) {
        auto *entete = new QTableWidgetItem(QString::fromUtf16(colonnes()[c].titre));
        entete->setToolTip(QString::fromUtf16(colonnes()[c].aide));
        entete->setData(Qt::AccessibleDescriptionRole, entete->toolTip());
        m_tableau->setHorizontalHeaderItem(c, entete);
        m_tableau->setColumnWidth(c, pixels(colonnes()[c].largeur));
    }
    for (const ServiceExpedition service : TousLesServices) {
        const int ligne = int(service);
        const ServiceCompare &s = comparaison.services.at(std::size_t(service));
        m_tableau->setVerticalHeaderItem(ligne, new QTableWidgetItem(Tarifs::grille(service).Nom));
        for (int c = 0; c < int(colonnes().size()); ++c)
            m_tableau->setItem(ligne, c, new QTableWidgetItem(s.*colonnes()[c].texte));
        if (s.moinsCher)
            m_tableau->item(ligne, 0)->setFont(policeSansSerif(8.25, true));
    }
    m_tableau->setCurrentCell(int(comparaison.choisi), 0);
}

void Form7::construireAvertissements(const QStringList &avertissements)
{
    const QFont gras = policeSansSerif(8.25, true);
    // A red line at most per grid, the lines used from the top.
    for (int i = 0; i < int(std::size(TousLesServices)); ++i) {
        const QString texte = avertissements.value(i);
        QLabel *l = creerLabel(this, QStringLiteral("Label%1").arg(i + 2), texte,
                               Avertissement.translated(0, pixels(HautAvertissements + PasAvertissements * i)), gras);
        colorerTexte(l, Couleurs::Rouge);
        l->setAccessibleName(texte);
        l->setVisible(!texte.isEmpty());
    }
}

ServiceExpedition Form7::serviceChoisi() const { return ServiceExpedition(m_tableau->currentRow()); }
