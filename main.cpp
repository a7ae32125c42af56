// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/demarrage.h"
#include "main_window/lignedecommande.h"
#include "settings/fichiersini.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char *argv[])
{
    {
        // The options work without a display and leave a running copy alone.
        QCoreApplication ligne(argc, argv);
        if (const auto code = executerLigneDeCommande(ligne.arguments(), FichiersIni::duProgramme()))
            return *code;
    }
    QApplication app(argc, argv);
    const FichiersIni fichiers = FichiersIni::duProgramme();
    // Settings ignored are said to be, once, over the window that shows the shipped values.
    return demarrer(app, fichiers, [&fichiers](QWidget &fenetre) {
        if (const QString avertissement = fichiers.avertissementDuCompte(); !avertissement.isEmpty())
            QTimer::singleShot(0, &fenetre, [&fenetre, avertissement] {
                QMessageBox boite(QMessageBox::Warning, QStringLiteral("Réglages ignorés"), avertissement,
                                  QMessageBox::Ok, &fenetre);
                boite.setTextFormat(Qt::PlainText);
                boite.exec();
            });
    });
}
