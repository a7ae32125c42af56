#include "dialogs/dialogues.h"

#include "dialogs/form2.h"
#include "dialogs/form6.h"
#include "dialogs/formtarif.h"

namespace {

std::size_t indice(ServiceExpedition service)
{
    return std::size_t(service);
}

} // namespace

Dialogues::Dialogues(const FichiersIni &fichiers, QWidget *fenetrePrincipale)
    : m_fichiers(fichiers), m_fenetrePrincipale(fenetrePrincipale)
{
}

Dialogues::~Dialogues() = default;

QString Dialogues::poids(int entree)
{
    return form2()->poids(entree);
}

QString Dialogues::prix(ServiceExpedition service, int tranche)
{
    return formTarif(service)->prix(tranche);
}

QString Dialogues::valeurReserve()
{
    return formTarif(ServiceExpedition::TarifCEE)->valeurReserve();
}

QString Dialogues::symbole()
{
    return formTarif(ServiceExpedition::TarifNormal)->symbole();
}

bool Dialogues::estCharge(Fenetre fenetre) const
{
    return charge(fenetre) != nullptr;
}

void Dialogues::afficher(Fenetre fenetre)
{
    emit affiche(fenetre);

    QPointer<QDialog> dialogue;
    switch (fenetre) {
    case Fenetre::Poids:
        dialogue = form2();
        break;
    case Fenetre::TarifNormal:
        dialogue = formTarif(ServiceExpedition::TarifNormal);
        break;
    case Fenetre::TarifEcopli:
        dialogue = formTarif(ServiceExpedition::TarifEcopli);
        break;
    case Fenetre::TarifCEE:
        dialogue = formTarif(ServiceExpedition::TarifCEE);
        break;
    case Fenetre::APropos:
        // Loaded afresh each time it is shown.
        m_aPropos = new Form6(m_fenetrePrincipale);
        suivreFermeture(m_aPropos);
        dialogue = m_aPropos;
        break;
    }
    dialogue->exec();
    // Gone when we return: the caller's activation then loads it anew.
    delete dialogue;
}

Form2 *Dialogues::form2()
{
    if (!m_form2) {
        m_form2 = new Form2(m_fichiers, m_fenetrePrincipale);
        suivreFermeture(m_form2);
    }
    return m_form2;
}

FormTarif *Dialogues::formTarif(ServiceExpedition service)
{
    QPointer<FormTarif> &dialogue = m_tarifs[indice(service)];
    if (!dialogue) {
        dialogue = new FormTarif(service, m_fichiers, m_fenetrePrincipale);
        suivreFermeture(dialogue);
    }
    return dialogue;
}

QDialog *Dialogues::charge(Fenetre fenetre) const
{
    switch (fenetre) {
    case Fenetre::Poids:
        return m_form2;
    case Fenetre::TarifNormal:
        return m_tarifs[indice(ServiceExpedition::TarifNormal)];
    case Fenetre::TarifEcopli:
        return m_tarifs[indice(ServiceExpedition::TarifEcopli)];
    case Fenetre::TarifCEE:
        return m_tarifs[indice(ServiceExpedition::TarifCEE)];
    case Fenetre::APropos:
        break;
    }
    return m_aPropos;
}

void Dialogues::suivreFermeture(QDialog *dialogue)
{
    dialogue->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialogue, &QDialog::finished, this, [this, dialogue] {
        if (m_form2 == dialogue)
            m_form2 = nullptr;
        for (QPointer<FormTarif> &tarif : m_tarifs) {
            if (tarif == dialogue)
                tarif = nullptr;
        }
        if (m_aPropos == dialogue)
            m_aPropos = nullptr;
    });
}
