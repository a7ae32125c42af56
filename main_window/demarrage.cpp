// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/demarrage.h"

#include "commun/apparence.h"
#include "commun/construction.h"
#include "commun/traductions.h"
#include "main_window/form1.h"
#include "main_window/instanceunique.h"
#include "settings/fichiersini.h"

#include <QApplication>
#include <QProxyStyle>
#include <QTimer>

namespace {

// The desktop's style, without the icon of the menu bar's overflow button:
// that button never shows in the fixed-size main window, and reading its
// picture makes Qt load every image format plugin at start-up (a tenth of the
// start-up work and a megabyte of memory).
class StyleAmbrelot : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icone, const QStyleOption *option, const QWidget *widget) const override
    {
        if (icone == SP_ToolBarHorizontalExtensionButton)
            return {};
        return QProxyStyle::standardIcon(icone, option, widget);
    }
};

// What a desktop does for a window the user picks: restored if minimized,
// raised and active; a modal window open over it comes first.
void premierPlan(QWidget &fenetre)
{
    if (fenetre.isMinimized())
        fenetre.setWindowState((fenetre.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    QWidget *devant = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &fenetre;
    devant->raise();
    devant->activateWindow();
}

} // namespace

int demarrer(QApplication &app, const FichiersIni &fichiers, const std::function<void(QWidget &)> &fenetreMontree)
{
    // A second copy brings the first forward and leaves quietly before
    // anything shows: the user who starts the program again looks for it.
    InstanceUnique instance;
    if (instance.premiereAppelee())
        return 0;

    installerTraductionsQt(app);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ambrelot"));
    QApplication::setStyle(new StyleAmbrelot);
    adopterPaletteDessin();
    Form1 form1(fichiers);
    QObject::connect(&instance, &InstanceUnique::appelee, &form1, [&form1] { premierPlan(form1); });
    // Showing runs the first activation before it returns.
    form1.show();
    // Settings ignored are said to be, once, over the window that shows the
    // shipped values instead.
    if (const QString avertissement = fichiers.avertissementDuCompte(); !avertissement.isEmpty())
        QTimer::singleShot(
            0, &form1, [&form1, avertissement] { avertir(&form1, QStringLiteral("Réglages ignorés"), avertissement); });
    if (fenetreMontree)
        fenetreMontree(form1);
    return app.exec();
}
