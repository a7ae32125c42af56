// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the eight windows to PNG files for the documentation:
//   capture DOSSIER
// writes DOSSIER/form1.png ... form8.png at the screen's scale. The main
// window shows a first count priced; each dialog is shown as the menu shows
// it. All of them work over settings files holding the defaults and are
// drawn under a plain title bar that carries their caption (the window
// manager's own frame is not part of a widget).

#include "commun/apparence.h"
#include "commun/traductions.h"
#include "dialogs/dialogues.h"
#include "dialogs/form8.h"
#include "main_window/form1.h"
#include "settings/defauts.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const QString Tampon = QStringLiteral("05/12/2026 à 10:38");

// Drawn in the window's own coordinates, so that at a scale factor of 2 the
// bar and its caption scale with the window.
QImage avecBarreDeTitre(QWidget *fenetre)
{
    const QPixmap contenu = fenetre->grab();
    const qreal echelle = contenu.devicePixelRatio();
    const QSize taille = contenu.deviceIndependentSize().toSize();
    const int hauteurBarre = 22;
    QImage image(QSize(taille.width() + 2, taille.height() + hauteurBarre + 1) * echelle, QImage::Format_RGB32);
    image.setDevicePixelRatio(echelle);
    const QSize logique = image.deviceIndependentSize().toSize();
    image.fill(QColor(0, 0, 128));
    QPainter peintre(&image);
    peintre.setPen(Qt::white);
    peintre.setFont(policeSansSerif(8.25, true));
    peintre.drawText(QRect(6, 0, logique.width() - 30, hauteurBarre), Qt::AlignVCenter, fenetre->windowTitle());
    peintre.fillRect(QRect(logique.width() - 20, 4, 16, 14), QColor(192, 192, 192));
    peintre.setPen(Qt::black);
    peintre.drawText(QRect(logique.width() - 20, 4, 16, 14), Qt::AlignCenter, QStringLiteral("x"));
    peintre.drawPixmap(1, hauteurBarre, contenu);
    return image;
}

// Importing the shipped prices over the built-in ones, as after "Défaut".
void importer(const QList<FichierTarifs::ServiceLu> &tarifs, QWidget *principale)
{
    QTemporaryDir origine;
    const FichiersIni fichiers(origine.path());
    ecrireFichiersManquants(fichiers, Tampon);
    Form8(QStringLiteral("2026.csv"), tarifs, FichierTarifs::grillesActuelles(fichiers), principale).exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installerTraductionsQt(app);
    adopterPaletteDessin();
    if (argc != 2) {
        std::fprintf(stderr, "usage: capture DOSSIER\n");
        return 2;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    // The shipped prices, as a first install has them.
    const FichierTarifs::Lecture tarifs = FichierTarifs::lireFichier(QStringLiteral(AMBRELOT_TARIFS));
    QTemporaryDir reglages;
    const FichiersIni fichiers(reglages.path());
    ecrireFichiersManquants(fichiers, Tampon, tarifs.services);

    int echecs = 0;
    // The main window as a user sees it after typing 3 in the first box.
    Form1 form1(fichiers);
    form1.show();
    form1.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("3"));
    QTimer::singleShot(300, &app, [&] {
        if (!avecBarreDeTitre(&form1).save(sortie.filePath(QStringLiteral("form1.png"))))
            ++echecs;
        app.quit();
    });
    app.exec();

    Dialogues &dialogues = form1.dialogues();

    const QList<std::pair<Dialogues::Fenetre, QString>> fenetres = {
        {Dialogues::Fenetre::Poids, QStringLiteral("form2.png")},
        {Dialogues::Fenetre::TarifNormal, QStringLiteral("form3.png")},
        {Dialogues::Fenetre::TarifEcopli, QStringLiteral("form4.png")},
        {Dialogues::Fenetre::TarifCEE, QStringLiteral("form5.png")},
        {Dialogues::Fenetre::APropos, QStringLiteral("form6.png")},
    };
    // The window the menu is about to show, once it is up.
    const auto capturer = [&](const QString &fichier) {
        QTimer::singleShot(300, &app, [&, fichier] {
            auto *dialogue = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialogue || !avecBarreDeTitre(dialogue).save(sortie.filePath(fichier)))
                ++echecs;
            if (dialogue)
                dialogue->reject();
        });
    };
    for (const auto &[fenetre, fichier] : fenetres) {
        capturer(fichier);
        dialogues.afficher(fenetre);
    }

    // The comparison with a grid never saved and one saved long ago, so that
    // it shows the lines asking to check them.
    fichiers.ecrire(FichierReglages::TarifEcopli, MiseAJour::Section, MiseAJour::Cle, QString());
    fichiers.ecrire(FichierReglages::TarifCEE, MiseAJour::Section, MiseAJour::Cle,
                    QStringLiteral("05/12/2014 à 10:38"));
    capturer(QStringLiteral("form7.png"));
    form1.findChild<QAction *>(QStringLiteral("MnuComparer"))->trigger();

    capturer(QStringLiteral("form8.png"));
    importer(tarifs.services, &form1);
    return echecs == 0 ? 0 : 1;
}
