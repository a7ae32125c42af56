// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/form2.h"

#include "calculs/nombres.h"
#include "commun/champsaisie.h"
#include "commun/construction.h"
#include "dialogs/dessinform2.h"
#include "dialogs/echecenregistrement.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>

using namespace DessinForm2;

Form2::Form2(const FichiersIni &fichiers, QWidget *parent) : QDialog(parent), m_fichiers(fichiers)
{
    preparerFenetre(this, QStringLiteral("Form2"), Largeur, Hauteur, false);
    std::array<QGroupBox *, CatalogueElements::NombreGroupes> groupes{};
    for (int g = 0; g < CatalogueElements::NombreGroupes; ++g)
        groupes[g] = creerCadre(this, QString::fromLatin1(cadres()[g].nom), CatalogueElements::groupes()[g],
                                cadres()[g].geometrie);
    construireChamps(groupes);

    QList<QPushButton *> b;
    for (const Bouton &d : boutons())
        b.append(creerBouton(this, QString::fromLatin1(d.nom), QString::fromUtf16(d.legende), d.geometrie));
    connect(b[0], &QPushButton::clicked, this, &Form2::EnregistrerPoids);
    connect(b[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(b[2], &QPushButton::clicked, this, &Form2::restaurerDefauts);

    QList<QWidget *> ordre(m_ordre.begin(), m_ordre.end());
    ordre.append(QList<QWidget *>(b.begin(), b.end()));
    chainerTabulation(ordre);
    m_ordre.first()->setFocus();

    charger();
}

void Form2::construireChamps(const std::array<QGroupBox *, CatalogueElements::NombreGroupes> &groupes)
{
    const QFont police = policeSansSerif(8.25, true);
    std::array<int, CatalogueElements::NombreGroupes> lignes{};
    for (const CatalogueElements::Entree &entree : CatalogueElements::entrees()) {
        const QString nom = QStringLiteral("Text%1").arg(entree.numero);
        if (!entree.stockee()) {
            // The extra grams' fixed text, read by the main window, never shown.
            auto *fixe = creerChamp(this, nom, ChampSaisie::Admis::Tout, 0, ChampFixe, police, Qt::AlignCenter, {});
            fixe->definirTexte(entree.defaut);
            fixe->hide();
            m_champs[entree.numero - 1] = fixe;
            continue;
        }
        const int haut = PasDesLignes * ++lignes[entree.groupe];
        QGroupBox *cadre = groupes[entree.groupe];
        creerLabel(cadre, QStringLiteral("Label%1").arg(entree.numero), entree.legende,
                   twips(GaucheLabels, haut, LargeursLabels[entree.numero - 1], HauteurLabels), police);
        // Its text comes from charger().
        auto *champ = creerChamp(cadre, nom, ChampSaisie::Admis::ChiffresEtVirgule, LimiteFrappeReglages,
                                 twips(cadres()[entree.groupe].gaucheChamps, haut, LargeurChamps, HauteurChamps),
                                 entree.groupe == 0 ? policeSansSerif(PointsEnveloppes, true) : police, Qt::AlignCenter,
                                 entree.legende);
        m_champs[entree.numero - 1] = champ;
        m_ordre.append(champ);
    }
}

QString Form2::poids(int entree) const
{
    Q_ASSERT(entree >= 1 && entree <= CatalogueElements::NombreEntrees);
    return m_champs[std::size_t(entree - 1)]->text();
}

void Form2::charger()
{
    const CatalogueElements::Poids poids = CatalogueElements::charger(m_fichiers);
    for (qsizetype i = 0; i < poids.valeurs.size(); ++i)
        m_champs[i]->definirTexte(poids.valeurs.at(i));
    setWindowTitle(QStringLiteral("Poids des éléments: (Mise à jour le ") + poids.miseAJour + u')');
}

void Form2::EnregistrerPoids()
{
    QStringList valeurs, illisibles;
    for (const CatalogueElements::Entree &entree : CatalogueElements::entrees()) {
        valeurs.append(poids(entree.numero));
        if (entree.stockee() && !nombreFrancais(valeurs.last()))
            illisibles.append(entree.legende);
    }
    if (!illisibles.isEmpty() && !enregistrerQuandMeme(illisibles))
        return;
    const ResultatEcriture resultat = CatalogueElements::enregistrer(m_fichiers, valeurs);
    if (!resultat) {
        signalerEchecEnregistrement(this, QStringLiteral("Les poids des éléments n'ont pas été enregistrés."),
                                    resultat.raison);
        return;
    }
    accept();
}

// The main window counts a weight it cannot read as 0 g: three A4 sheets
// whose weight was emptied would weigh nothing, and nothing would say so.
bool Form2::enregistrerQuandMeme(const QStringList &elements)
{
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Poids des éléments"),
                         QStringLiteral("Poids manquant ou illisible : ") + elements.join(QStringLiteral(", "))
                             + QStringLiteral(". Ces éléments compteront 0 g. Enregistrer quand même ?"),
                         QMessageBox::NoButton, this);
    question.setTextFormat(Qt::PlainText);
    QPushButton *enregistrer = question.addButton(QStringLiteral("Enregistrer quand même"), QMessageBox::AcceptRole);
    QPushButton *corriger = question.addButton(QStringLiteral("Corriger"), QMessageBox::RejectRole);
    question.setDefaultButton(corriger);
    question.setEscapeButton(corriger);
    question.exec();
    return question.clickedButton() == enregistrer;
}

void Form2::restaurerDefauts()
{
    const QStringList defauts = CatalogueElements::defauts();
    for (qsizetype i = 0; i < defauts.size(); ++i)
        m_champs[i]->definirTexte(defauts.at(i));
}
