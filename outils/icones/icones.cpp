// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window icon into the desktop's icon sizes:
//   ambrelot-icones IMAGE.svg DOSSIER
// writes DOSSIER/<n>x<n>/apps/ambrelot.png for each size, so the installed
// icon is the very picture the window shows, drawn by the same renderer.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream erreurs(stderr);
    if (argc != 3) {
        erreurs << "usage : ambrelot-icones IMAGE.svg DOSSIER\n";
        return 2;
    }
    QSvgRenderer rendu(QString::fromLocal8Bit(argv[1]));
    if (!rendu.isValid()) {
        erreurs << "image illisible : " << argv[1] << '\n';
        return 1;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[2]));
    for (const int taille : {16, 32, 48, 64, 128, 256}) {
        QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter peintre(&image);
            peintre.setRenderHint(QPainter::Antialiasing);
            rendu.render(&peintre);
        }
        const QString dossier = QStringLiteral("%1x%1/apps").arg(taille);
        const QString chemin = sortie.filePath(dossier + QStringLiteral("/ambrelot.png"));
        if (!sortie.mkpath(dossier) || !image.save(chemin, "PNG")) {
            erreurs << "impossible d'écrire " << chemin << '\n';
            return 1;
        }
    }
    return 0;
}
