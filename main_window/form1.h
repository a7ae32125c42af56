// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculs/pesee.h"
#include "dialogs/dialogues.h"
#include "main_window/dessinform1.h"
#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class AideSurvol;
class ChampSaisie;
class FichiersIni;
class QGroupBox;
class QLabel;
class QRadioButton;

// The main window: the item lines with their counts, the total weight, the
// choice of service and its price, the help line and the menu.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(const FichiersIni &fichiers, QWidget *parent = nullptr);
    ~Form1() override;

    Dialogues &dialogues() { return *m_dialogues; }

    // Takes fresh copies of the settings from the dialogs' fields, loading
    // any dialog that is not loaded. Runs when the window is first shown and
    // after each window opened from the menu has closed. Public for the
    // activation benchmark alone.
    void activation();

protected:
    void showEvent(QShowEvent *evenement) override;

private:
    static constexpr int NombreLignes = CatalogueElements::NombreEntrees;

    void construireLignes(const std::array<QGroupBox *, DessinForm1::NombreCadres> &cadres);
    void construireResultat(QGroupBox *cadre);
    void construireOptions(QGroupBox *cadre);
    void construireBas(QWidget *fond);
    void ordreTabulation();
    void construireMenus();

    ChampSaisie *caseCompte(int ligne) const { return m_cases.at(std::size_t(ligne - 1)); }
    QRadioButton *option(ServiceExpedition service) const { return m_options.at(std::size_t(service)); }

    void changementCompte(int ligne);
    // bipAuDela false: ">>" beyond the last bracket, without the beep.
    void Total_Grammes(bool bipAuDela = true);
    void clicOption(ServiceExpedition service, bool bipAuDela = true);
    void clicLegende(int ligne, Qt::MouseButton bouton);
    void commande(const DessinForm1::EntreeMenu &entree);
    void ouvrir(Dialogues::Fenetre fenetre);
    void importerTarifs();
    void exporterTarifs();
    void comparer();

    void ecrireLegendeFenetre();
    void raz();

    std::unique_ptr<Dialogues> m_dialogues;
    AideSurvol *m_aides;
    Pesee m_pesee;
    // The total shown in Label3; empty beyond the decimal's range.
    std::optional<Decimal4> m_totalGrammes = Decimal4();
    // The window's copies of the three grids, indexed by ServiceExpedition.
    std::array<GrilleTarif, 3> m_grilles;
    bool m_dejaActivee = false;
    // Label5 shows ">>": the total lies beyond the selected grid's last bracket.
    bool m_prixAuDela = false;

    std::array<ChampSaisie *, NombreLignes> m_cases{};
    std::array<QLabel *, NombreLignes> m_legendes{};
    std::array<QRadioButton *, 3> m_options{};
    QLabel *m_total = nullptr;
    QLabel *m_prix = nullptr;
};
