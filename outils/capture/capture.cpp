// Renders the five dialogs to PNG files for the documentation:
//   capture DOSSIER
// Each dialog is shown through Dialogues as the menu shows it, over settings
// files holding the defaults, and drawn under a plain title bar that carries
// its caption (the window manager's own frame is not part of a widget).

#include "dialogs/dialogues.h"
#include "main_window/apparence.h"
#include "settings/catalogueelements.h"
#include "settings/tarifs.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const QString Tampon = QStringLiteral("05/12/2026 à 10:38");

void poserLesDefauts(const FichiersIni &fichiers)
{
    CatalogueElements::enregistrer(fichiers, CatalogueElements::defauts(), Tampon);
    for (ServiceExpedition service : TousLesServices) {
        GrilleTarif grille = Tarifs::grille(service);
        Tarifs::restaurerDefauts(grille);
        Tarifs::enregistrer(grille, fichiers, &SymboleMonetaire::Defaut, Tampon);
    }
}

QImage avecBarreDeTitre(QDialog *dialogue)
{
    const QPixmap contenu = dialogue->grab();
    const int hauteurBarre = 22;
    QImage image(contenu.width() + 2, contenu.height() + hauteurBarre + 1, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 128));
    QPainter peintre(&image);
    peintre.setPen(Qt::white);
    peintre.setFont(policeSansSerif(8.25, true));
    peintre.drawText(QRect(6, 0, image.width() - 30, hauteurBarre), Qt::AlignVCenter,
                     dialogue->windowTitle());
    peintre.fillRect(QRect(image.width() - 20, 4, 16, 14), QColor(192, 192, 192));
    peintre.setPen(Qt::black);
    peintre.drawText(QRect(image.width() - 20, 4, 16, 14), Qt::AlignCenter, QStringLiteral("x"));
    peintre.drawPixmap(1, hauteurBarre, contenu);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: capture DOSSIER\n");
        return 2;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir reglages;
    const FichiersIni fichiers(reglages.path());
    poserLesDefauts(fichiers);

    QWidget principale;
    principale.resize(800, 600);
    Dialogues dialogues(fichiers, &principale);

    const QList<std::pair<Dialogues::Fenetre, QString>> fenetres = {
        {Dialogues::Fenetre::Poids, QStringLiteral("form2.png")},
        {Dialogues::Fenetre::TarifNormal, QStringLiteral("form3.png")},
        {Dialogues::Fenetre::TarifEcopli, QStringLiteral("form4.png")},
        {Dialogues::Fenetre::TarifCEE, QStringLiteral("form5.png")},
        {Dialogues::Fenetre::APropos, QStringLiteral("form6.png")},
    };
    int echecs = 0;
    for (const auto &[fenetre, fichier] : fenetres) {
        QTimer::singleShot(300, &app, [&, fichier = fichier] {
            auto *dialogue = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialogue || !avecBarreDeTitre(dialogue).save(sortie.filePath(fichier)))
                ++echecs;
            if (dialogue)
                dialogue->reject();
        });
        dialogues.afficher(fenetre);
    }
    return echecs == 0 ? 0 : 1;
}
