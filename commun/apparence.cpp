// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/apparence.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

QFont policeSansSerif(qreal points, bool gras)
{
    QFont police(QStringLiteral("Liberation Sans"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(points);
    police.setBold(gras);
    return police;
}

QString styleCadre(const QString &nom, const QColor &couleurTitre)
{
    return QStringLiteral("QGroupBox#%1 { border: 2px groove rgb(160,160,160); margin-top: 6px; }"
                          "QGroupBox#%1::title { subcontrol-origin: margin; left: 6px; padding: 0px 1px; color: %2; }")
        .arg(nom, couleurTitre.name());
}

namespace {

QPalette paletteDessin()
{
    const QColor face(212, 208, 200), noir(Qt::black), blanc(Qt::white), gris(128, 128, 128);
    QPalette p(noir, face, blanc, gris, QColor(160, 160, 160), noir, blanc, blanc, face);
    p.setColor(QPalette::Midlight, face);
    p.setColor(QPalette::Shadow, QColor(64, 64, 64));
    p.setColor(QPalette::ButtonText, noir);
    p.setColor(QPalette::AlternateBase, face);
    p.setColor(QPalette::Highlight, QColor(10, 36, 106));
    p.setColor(QPalette::HighlightedText, blanc);
    p.setColor(QPalette::Link, Qt::blue);
    p.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, noir);
    p.setColor(QPalette::PlaceholderText, gris);
    p.setColor(QPalette::NoRole, face);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, gris);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    return p;
}

} // namespace

void adopterPaletteDessin()
{
    const QPalette p = paletteDessin();
    QApplication::setPalette(p);
    QToolTip::setPalette(p);
}

namespace Bip {

namespace {
std::function<void()> &bipCourant()
{
    static std::function<void()> bip;
    return bip;
}
} // namespace

void sonner()
{
    if (const auto &bip = bipCourant())
        bip();
    else
        QApplication::beep();
}

void remplacer(std::function<void()> bip) { bipCourant() = std::move(bip); }

} // namespace Bip
