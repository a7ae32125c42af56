#include "main_window/apparence.h"

#include <QApplication>

QFont policeSansSerif(qreal points, bool gras)
{
    QFont police(QStringLiteral("Liberation Sans"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(points);
    police.setBold(gras);
    return police;
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

void remplacer(std::function<void()> bip)
{
    bipCourant() = std::move(bip);
}

} // namespace Bip
