// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Read and save time of a settings file against its size, from 1 KB to 10 MB,
// beside the time to read the raw bytes of the same file. Writes the curve to
// the PNG file named on the command line.

#include "bench/mesure.h"
#include "settings/tarifs.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>

#include <cmath>

namespace {

struct Point
{
    qint64 taille;
    double brut, lecture, enregistrement; // nanoseconds
};

// The France Rapide file, then sections a user could have added, to size.
QByteArray fichierDeTaille(qint64 taille)
{
    QByteArray contenu;
    for (int n = 0; contenu.size() < taille; ++n)
        contenu += "[Notes " + QByteArray::number(n) + "]\r\ncle=une valeur quelconque\r\n";
    contenu.truncate(taille);
    return contenu;
}

void tracer(const QList<Point> &points, const QString &png)
{
    const int l = 900, h = 560, marge = 80;
    QImage image(l, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double xMin = std::log10(double(points.front().taille));
    const double xMax = std::log10(double(points.back().taille));
    double yMin = 1e300, yMax = 0;
    for (const Point &pt : points) {
        for (double v : {pt.brut, pt.lecture, pt.enregistrement}) {
            yMin = std::min(yMin, std::log10(v / 1000.0));
            yMax = std::max(yMax, std::log10(v / 1000.0));
        }
    }
    yMin = std::floor(yMin);
    yMax = std::ceil(yMax);
    const auto X = [&](double v) { return marge + (v - xMin) / (xMax - xMin) * (l - 2 * marge); };
    const auto Y = [&](double v) { return h - marge - (v - yMin) / (yMax - yMin) * (h - 2 * marge); };

    p.setPen(QColor(200, 200, 200));
    for (int e = int(yMin); e <= int(yMax); ++e) {
        p.drawLine(QPointF(marge, Y(e)), QPointF(l - marge, Y(e)));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, Y(e) - 10, marge - 8, 20), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 µs").arg(std::pow(10.0, e), 0, 'f', 0));
        p.setPen(QColor(200, 200, 200));
    }
    p.setPen(Qt::black);
    for (const Point &pt : points) {
        const double x = X(std::log10(double(pt.taille)));
        const QString t = pt.taille >= 1 << 20 ? QStringLiteral("%1 Mo").arg(pt.taille >> 20)
                                               : QStringLiteral("%1 Ko").arg(pt.taille >> 10);
        p.drawText(QRectF(x - 40, h - marge + 6, 80, 20), Qt::AlignCenter, t);
    }
    p.drawRect(QRectF(marge, marge, l - 2 * marge, h - 2 * marge));
    p.drawText(QRectF(0, 10, l, 30), Qt::AlignCenter,
               QStringLiteral("Temps selon la taille du fichier de réglages (échelles logarithmiques)"));

    const struct
    {
        const char *nom;
        QColor couleur;
        double Point::*champ;
    } courbes[] = {
        {"octets bruts (référence)", Qt::gray, &Point::brut},
        {"lecture d'une clé", Qt::blue, &Point::lecture},
        {"enregistrement d'une grille", Qt::red, &Point::enregistrement},
    };
    int rang = 0;
    for (const auto &c : courbes) {
        QPainterPath chemin;
        for (const Point &pt : points) {
            const QPointF q(X(std::log10(double(pt.taille))), Y(std::log10(pt.*c.champ / 1000.0)));
            chemin.elementCount() == 0 ? chemin.moveTo(q) : chemin.lineTo(q);
        }
        p.setPen(QPen(c.couleur, 2));
        p.drawPath(chemin);
        p.drawLine(QPointF(marge + 20, marge + 20 + 22 * rang), QPointF(marge + 50, marge + 20 + 22 * rang));
        p.setPen(Qt::black);
        p.drawText(QPointF(marge + 58, marge + 25 + 22 * rang), QString::fromUtf8(c.nom));
        ++rang;
    }
    p.end();
    image.save(png);
}

} // namespace

int main(int argc, char *argv[])
{
    prologue();
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const FichiersIni fichiers(dir.path());
    GrilleTarif grille = Tarifs::grille(ServiceExpedition::TarifNormal);
    Tarifs::restaurerDefauts(grille);
    const QString chemin = fichiers.chemin(FichierReglages::TarifNormal);

    QList<Point> points;
    std::printf("%10s %14s %14s %14s %10s %10s\n", "octets", "brut µs", "lecture µs", "enreg. µs", "lect./brut",
                "enr./brut");
    for (qint64 taille :
         {1LL << 10, 4LL << 10, 16LL << 10, 64LL << 10, 256LL << 10, 1LL << 20, 4LL << 20, 10LL << 20}) {
        const QByteArray contenu = fichierDeTaille(taille);
        const int tours = int(std::clamp<qint64>((64LL << 20) / taille, 5, 2000));
        const auto reinitialiser = [&] {
            QFile f(chemin);
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(contenu);
        };
        reinitialiser();
        Point pt{taille, 0, 0, 0};
        pt.brut = medianeNs(tours, [&] {
            QFile f(chemin);
            f.open(QIODevice::ReadOnly);
            volatile qsizetype n = f.readAll().size();
            (void)n;
        });
        // A key that is not there: the whole file is scanned.
        pt.lecture = medianeNs(tours, [&] {
            volatile qsizetype n = fichiers.LireTarifNormal(u"Date", u"MiseAJour").size();
            (void)n;
        });
        pt.enregistrement = medianeNs(std::max(5, tours / 4), [&] { Tarifs::enregistrer(grille, fichiers); });
        reinitialiser();
        std::printf("%10lld %14.1f %14.1f %14.1f %10.2f %10.2f\n", taille, pt.brut / 1000, pt.lecture / 1000,
                    pt.enregistrement / 1000, pt.lecture / pt.brut, pt.enregistrement / pt.brut);
        points.append(pt);
    }
    if (argc > 1) {
        tracer(points, QString::fromLocal8Bit(argv[1]));
        std::printf("Courbe : %s\n", argv[1]);
    }
    return 0;
}
