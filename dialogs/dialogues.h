// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/fenetre.h"
#include "settings/fichiersini.h"
#include "settings/tarifs.h"

#include <QObject>
#include <QPointer>

#include <array>

class Form2;
class FormTarif;
class QDialog;
class QWidget;

// The settings dialogs and the About box, one instance each, created on first
// use. While the program runs, the settings dialogs' fields are the only
// in-memory copy of the settings: reading a field of a dialog that is not
// loaded loads it, hidden, from its file; it stays loaded until the user
// closes it, and every way of closing unloads it.
class Dialogues : public QObject
{
    Q_OBJECT

public:
    using Fenetre = ::Fenetre;

    Dialogues(const FichiersIni &fichiers, QWidget *fenetrePrincipale);
    ~Dialogues() override;

    // Form2's Text1 to Text26 (entry 26 is the fixed "0").
    QString poids(int entree);
    // Price of a bracket, 1-based in bracket order, as its dialog's field holds it.
    QString prix(ServiceExpedition service, int tranche);
    // Form5's hidden Text8, TarifCEE2000Gr.
    QString valeurReserve();
    // Form3's Text8.
    QString symbole();

    // Unloads the tariff dialogs, which are hidden: the next read of a price
    // loads it again from its file, as after their own save.
    void oublierTarifs();

    // Shows the window modally over the main window and returns once it has
    // gone; the caller then runs its activation.
    void afficher(Fenetre fenetre);

    const FichiersIni &fichiers() const { return m_fichiers; }

signals:
    // For the tests alone: a window is about to be shown.
    void affiche(Dialogues::Fenetre fenetre);

private:
    Form2 *form2();
    FormTarif *formTarif(ServiceExpedition service);

    FichiersIni m_fichiers;
    QWidget *m_fenetrePrincipale;
    QPointer<Form2> m_form2;
    std::array<QPointer<FormTarif>, 3> m_tarifs;
    QPointer<QDialog> m_aPropos;
};
