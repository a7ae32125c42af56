#pragma once

#include "main_window/calculs.h"
#include "settings/tarifs.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>

class ChampSaisie;
class Dialogues;
class FichiersIni;
class QAction;
class QLabel;
class QRadioButton;
class QTimer;

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
    // after each window opened from the menu has closed; public so that a
    // benchmark can time it alone.
    void activation();

protected:
    bool eventFilter(QObject *objet, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void construireControles();
    void construireMenus();

    ChampSaisie *caseCompte(int ligne) const { return m_cases.at(std::size_t(ligne - 1)); }
    QLabel *legendeLigne(int ligne) const { return m_legendes.at(std::size_t(ligne - 1)); }
    void ecrireCompte(int ligne, const QString &texte);

    void changementCompte(int ligne);
    // bipAuDela false: ">>" beyond the last bracket, without the beep.
    void Total_Grammes(bool bipAuDela = true);
    void clicOption(int option, bool bipAuDela = true);
    void clicLegende(int ligne, Qt::MouseButton bouton);

    void ecrireLegendeFenetre();
    void raz();

    std::unique_ptr<Dialogues> m_dialogues;
    Pesee m_pesee;
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
    QLabel *m_aide = nullptr;
    QTimer *m_horloge = nullptr;

    // Hover help by control; a control mapped to an empty function has none.
    std::map<const QObject *, std::function<QString()>> m_aides;
};
