#include "main_window/demarrage.h"

#include "main_window/form1.h"
#include "main_window/instanceunique.h"
#include "settings/fichiersini.h"

#include <QApplication>

int demarrer(QApplication &app, const FichiersIni &fichiers, const std::function<void(QWidget &)> &fenetreMontree)
{
    // A second copy leaves quietly before anything shows.
    const InstanceUnique instance;
    if (!instance.estSeule())
        return 0;

    Form1 form1(fichiers);
    // Showing runs the first activation before it returns.
    form1.show();
    if (fenetreMontree)
        fenetreMontree(form1);
    return app.exec();
}
