// Helper for the fault tests: saves every settings file of the directory
// given, again and again, alternating between the two sets of values, until
// it is killed. Says "pret" once it is about to start and "fait" after each
// series of saves, so that the test can aim its kills.

#include "outils.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const FichiersIni fichiers(QString::fromLocal8Bit(argv[1]));
    std::fputs("pret\n", stdout);
    std::fflush(stdout);
    for (unsigned long n = 1;; ++n) {
        const ResultatEcriture r = Sauvegardes::enregistrerTout(fichiers, int(n % 2));
        if (!r) {
            std::fprintf(stderr, "%s\n", r.raison.toUtf8().constData());
            return 1;
        }
        std::fputs("fait\n", stdout);
        std::fflush(stdout);
    }
}
