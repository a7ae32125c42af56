#include "main_window/form1.h"
#include "main_window/instanceunique.h"
#include "main_window/traductions.h"
#include "settings/fichiersini.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // A second copy leaves quietly before anything shows.
    const InstanceUnique instance;
    if (!instance.estSeule())
        return 0;
    installerTraductionsQt(app);
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ambrelot"));

    Form1 form1(FichiersIni::duProgramme());
    form1.show();
    return app.exec();
}
