// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commun/apparence.h"

#include <QApplication>

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
