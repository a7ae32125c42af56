// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dialogues.h"

#include "dialogs/form2.h"
#include "dialogs/form6.h"
#include "dialogs/formtarif.h"

#include <QCoreApplication>

namespace {

std::size_t indice(ServiceExpedition service) { return std::size_t(service); }

// The service a tariff window edits.
ServiceExpedition service(Dialogues::Fenetre fenetre)
{
    return ServiceExpedition(int(fenetre) - int(Dialogues::Fenetre::TarifNormal));
}

} // namespace

Dialogues::Dialogues(const FichiersIni &fichiers, QWidget *fenetrePrincipale)
    : m_fichiers(fichiers), m_fenetrePrincipale(fenetrePrincipale)
{ }

Dialogues::~Dialogues() = default;

QString Dialogues::poids(int entree) { return form2()->poids(entree); }

QString Dialogues::prix(ServiceExpedition service, int tranche) { return formTarif(service)->prix(tranche); }

QString Dialogues::valeurReserve() { return formTarif(ServiceExpedition::TarifCEE)->valeurReserve(); }

QString Dialogues::symbole() { return formTarif(Tarifs::grilleDuSymbole().Service)->symbole(); }

void Dialogues::afficher(Fenetre fenetre)
{
    emit affiche(fenetre);

    QPointer<QDialog> dialogue;
    switch (fenetre) {
    case Fenetre::Poids:
        dialogue = form2();
        break;
    case Fenetre::TarifNormal:
    case Fenetre::TarifEcopli:
    case Fenetre::TarifCEE:
        dialogue = formTarif(service(fenetre));
        break;
    case Fenetre::APropos:
        // Loaded afresh each time it is shown.
        m_aPropos = new Form6(m_fenetrePrincipale);
        m_aPropos->setAttribute(Qt::WA_DeleteOnClose);
        dialogue = m_aPropos;
        break;
    }
    dialogue->exec();
    // Every way of closing unloads the dialog, later; the caller's activation
    // must find it gone and load it again from its file.
    if (dialogue)
        QCoreApplication::sendPostedEvents(dialogue, QEvent::DeferredDelete);
}

void Dialogues::oublierTarifs()
{
    for (QPointer<FormTarif> &dialogue : m_tarifs)
        delete dialogue;
}

Form2 *Dialogues::form2()
{
    if (!m_form2) {
        m_form2 = new Form2(m_fichiers, m_fenetrePrincipale);
        m_form2->setAttribute(Qt::WA_DeleteOnClose);
    }
    return m_form2;
}

FormTarif *Dialogues::formTarif(ServiceExpedition service)
{
    QPointer<FormTarif> &dialogue = m_tarifs[indice(service)];
    if (!dialogue) {
        dialogue = new FormTarif(service, m_fichiers, m_fenetrePrincipale);
        dialogue->setAttribute(Qt::WA_DeleteOnClose);
    }
    return dialogue;
}
