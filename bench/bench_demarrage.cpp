// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up cost: wall time and peak memory of Ambrelot from process start to
// its main window shown, activated (the four settings files read) and painted
// once, against a bare Qt window of the same size that is painted once. The
// same start-up with Qt Network loaded, as the single-instance socket once
// had it, runs too: the memory before and after dropping it, in one run. The
// programs run in turn, so that a busy moment of the machine weighs on all.
// The platform is the one QT_QPA_PLATFORM names.

#include "bench/mesure.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace {

struct Mesure
{
    double ns;
    double cpuNs; // user and system time: steadier than the wall time on a busy machine
    double kio; // peak resident memory
};

Mesure lancer(const QByteArray &programme, const QByteArray &argument = {})
{
    QElapsedTimer chrono;
    chrono.start();
    const pid_t pid = fork();
    if (pid == 0) {
        // The platform's notices would drown the figures; a failure still
        // shows in the exit status.
        const int nul = open("/dev/null", O_WRONLY);
        if (nul >= 0)
            dup2(nul, STDERR_FILENO);
        if (argument.isEmpty())
            execl(programme.constData(), programme.constData(), static_cast<char *>(nullptr));
        else
            execl(programme.constData(), programme.constData(), argument.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int etat = 0;
    rusage usage{};
    wait4(pid, &etat, 0, &usage);
    const double ns = double(chrono.nsecsElapsed());
    if (!WIFEXITED(etat) || WEXITSTATUS(etat) != 0) {
        std::fprintf(stderr, "%s a échoué (état %d)\n", programme.constData(), etat);
        std::exit(1);
    }
    const auto enNs = [](const timeval &t) { return double(t.tv_sec) * 1e9 + double(t.tv_usec) * 1e3; };
    return {ns, enNs(usage.ru_utime) + enNs(usage.ru_stime), double(usage.ru_maxrss)};
}

} // namespace

int main(int argc, char *argv[])
{
    prologue();
    const int tours = ::tours(argc, argv, 30);
    QCoreApplication app(argc, argv);
    const QString dossier = QCoreApplication::applicationDirPath();
    const QByteArray nue = (dossier + QStringLiteral("/fenetre_nue")).toLocal8Bit();
    const QByteArray ambrelot = (dossier + QStringLiteral("/demarrage_ambrelot")).toLocal8Bit();
    const QByteArray reseau = (dossier + QStringLiteral("/demarrage_qtnetwork")).toLocal8Bit();

    const ReglagesDeBanc reglages;
    if (!reglages.prets)
        return 1;
    const QByteArray chemin = reglages.dossier.path().toLocal8Bit();
    // The single-instance lock and socket too, away from the account's own
    // and from a copy of Ambrelot that may be running.
    qputenv("XDG_RUNTIME_DIR", chemin);

    std::vector<double> tNue, tAmb, tRes, cNue, cAmb, cRes, mNue, mAmb, mRes;
    // The first runs fill the disk cache.
    lancer(nue);
    lancer(ambrelot, chemin);
    lancer(reseau, chemin);
    for (int i = 0; i < tours; ++i) {
        const Mesure a = lancer(nue);
        const Mesure b = lancer(ambrelot, chemin);
        const Mesure c = lancer(reseau, chemin);
        tNue.push_back(a.ns);
        cNue.push_back(a.cpuNs);
        mNue.push_back(a.kio);
        tAmb.push_back(b.ns);
        cAmb.push_back(b.cpuNs);
        mAmb.push_back(b.kio);
        tRes.push_back(c.ns);
        cRes.push_back(c.cpuNs);
        mRes.push_back(c.kio);
    }
    std::printf("Plate-forme %s, %d lancements de chaque programme, médianes\n", qgetenv("QT_QPA_PLATFORM").constData(),
                tours);
    afficherRatio("Référence : fenêtre nue, temps réel", repartition(tNue).mediane, repartition(tNue).mediane);
    afficherRatio("Ambrelot, temps réel", repartition(tAmb).mediane, repartition(tNue).mediane);
    afficherRatio("Ambrelot avec Qt Network, temps réel", repartition(tRes).mediane, repartition(tNue).mediane);
    afficherRatio("Référence : fenêtre nue, temps processeur", repartition(cNue).mediane, repartition(cNue).mediane);
    afficherRatio("Ambrelot, temps processeur", repartition(cAmb).mediane, repartition(cNue).mediane);
    afficherRatio("Ambrelot avec Qt Network, temps processeur", repartition(cRes).mediane, repartition(cNue).mediane);
    afficherKio("Référence : fenêtre nue, mémoire maximale", repartition(mNue).mediane, repartition(mNue).mediane);
    afficherKio("Ambrelot, mémoire maximale", repartition(mAmb).mediane, repartition(mNue).mediane);
    afficherKio("Ambrelot avec Qt Network, mémoire maximale", repartition(mRes).mediane, repartition(mNue).mediane);
    return 0;
}
