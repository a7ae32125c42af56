// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/echecenregistrement.h"

#include <QLabel>
#include <QMessageBox>

void signalerEchecEnregistrement(QWidget *dialogue, const QString &quoi, const QString &raison)
{
    QMessageBox boite(QMessageBox::Warning, QStringLiteral("Enregistrement impossible"), quoi, QMessageBox::Ok,
                      dialogue);
    boite.setObjectName(QStringLiteral("EchecEnregistrement"));
    boite.setInformativeText(raison
                             + QStringLiteral("\n\nVos saisies restent dans la fenêtre : corrigez le problème puis "
                                              "enregistrez de nouveau, ou annulez."));
    // The reason names files and folders, which anyone may have named.
    for (QLabel *texte : boite.findChildren<QLabel *>())
        texte->setTextFormat(Qt::PlainText);
    boite.exec();
}
