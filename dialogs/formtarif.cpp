// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/formtarif.h"

#include "commun/champsaisie.h"
#include "commun/construction.h"
#include "dialogs/dessinformtarif.h"
#include "dialogs/echecenregistrement.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace DessinFormTarif;

FormTarif::FormTarif(ServiceExpedition service, const FichiersIni &fichiers, QWidget *parent)
    : QDialog(parent), m_service(service), m_fichiers(fichiers)
{
    const Modele &m = modele(service);
    const GrilleTarif &grille = Tarifs::grille(service);
    preparerFenetre(this, QString::fromLatin1(m.nom), m.largeur, m.hauteur, m.dansLaBarreDesTaches);
    m_prefixeLegende = QString::fromUtf16(m.prefixeLegende);

    QGroupBox *cadre = creerCadre(this, QStringLiteral("Frame1"), QString::fromUtf16(m.legendeCadre), m.cadre);
    const QFont police = policeSansSerif(8.25, true);

    m_prix.resize(grille.Tranches.size());
    for (const Champ &c : m.champs) {
        QLabel *label = creerLabel(cadre, QString::fromLatin1(c.nomLabel), QString::fromUtf16(c.legende),
                                   c.geometrieLabel, police);
        auto *champ = creerChamp(
            cadre, QString::fromLatin1(c.nom), c.tranche > 0 ? ChampSaisie::Admis::Prix : ChampSaisie::Admis::Tout,
            c.tranche > 0 ? LimiteFrappeReglages : 0, c.geometrie, police, m.alignement, label->text());
        // Prices and the reserve value get their text from charger(), below.
        if (c.tranche > 0) {
            m_prix[c.tranche - 1] = champ;
        } else if (c.tranche == Symbole) {
            champ->definirTexte(SymboleMonetaire::Defaut);
            // Only the grid that carries the symbol edits it; the others show it.
            champ->setEnabled(grille.PorteSymbole);
            m_symbole = champ;
        } else {
            // The reserve value is carried from load to save, never seen.
            champ->hide();
            label->hide();
            m_reserve = champ;
        }
    }

    QWidget *parentBoutons = m.boutonsSurLaFenetre ? static_cast<QWidget *>(this) : cadre;
    QList<QPushButton *> boutons;
    for (const Bouton &b : m.boutons)
        boutons.append(
            creerBouton(parentBoutons, QString::fromLatin1(b.nom), QString::fromUtf16(b.legende), b.geometrie));
    connect(boutons.at(0), &QPushButton::clicked, this, &FormTarif::EnregistrerTarif);
    connect(boutons.at(1), &QPushButton::clicked, this, &QDialog::reject);
    connect(boutons.at(2), &QPushButton::clicked, this, &FormTarif::restaurerDefauts);

    QList<QWidget *> ordre(m_prix.begin(), m_prix.end());
    ordre.append(QList<QWidget *>(boutons.begin(), boutons.end()));
    ordre.append(m_symbole);
    chainerTabulation(ordre);
    m_prix.first()->setFocus();

    charger();
}

QString FormTarif::prix(int tranche) const
{
    Q_ASSERT(tranche >= 1 && tranche <= m_prix.size());
    return m_prix.at(tranche - 1)->text();
}

QString FormTarif::valeurReserve() const { return m_reserve ? m_reserve->text() : QString(); }

QString FormTarif::symbole() const { return m_symbole->text(); }

void FormTarif::showEvent(QShowEvent *evenement)
{
    // Form4 and Form5 show the symbol that France Rapide's file holds now,
    // so a symbol just saved in Form3 appears the next time they open.
    if (!Tarifs::grille(m_service).PorteSymbole)
        m_symbole->definirTexte(SymboleMonetaire::lire(m_fichiers));
    QDialog::showEvent(evenement);
}

void FormTarif::charger()
{
    const GrilleTarif grille = Tarifs::charger(m_service, m_fichiers);
    afficher(grille);
    if (m_reserve)
        m_reserve->definirTexte(grille.ValeurReserve);
    setWindowTitle(m_prefixeLegende + grille.MiseAJour + u')');
}

void FormTarif::EnregistrerTarif()
{
    GrilleTarif grille = Tarifs::grille(m_service);
    for (qsizetype i = 0; i < m_prix.size(); ++i)
        grille.Tranches[i].Prix = m_prix.at(i)->text();
    if (m_reserve)
        grille.ValeurReserve = m_reserve->text();
    grille.Symbole = m_symbole->text();
    const ResultatEcriture resultat = Tarifs::enregistrer(grille, m_fichiers);
    if (!resultat) {
        signalerEchecEnregistrement(this, QString::fromUtf16(modele(m_service).quoi), resultat.raison);
        return;
    }
    accept();
}

void FormTarif::restaurerDefauts()
{
    GrilleTarif grille = Tarifs::grille(m_service);
    Tarifs::restaurerDefauts(grille);
    afficher(grille);
}

// The prices, and the symbol where the grid carries it: the others show
// France Rapide's.
void FormTarif::afficher(const GrilleTarif &grille)
{
    for (qsizetype i = 0; i < m_prix.size(); ++i)
        m_prix.at(i)->definirTexte(grille.Tranches.at(i).Prix);
    if (grille.PorteSymbole)
        m_symbole->definirTexte(grille.Symbole);
}
