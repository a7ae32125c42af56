// SPDX-FileCopyrightText: 2026 Équipe Ambrelot
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/defauts.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

// What every benchmark does before its application object exists: the
// offscreen platform unless one is named.
inline void prologue()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// The rounds the first argument asks for.
inline int tours(int argc, char *argv[], int parDefaut) { return argc > 1 ? std::atoi(argv[1]) : parDefaut; }

// The four settings files with the shipped values, as a first install
// leaves them, in a folder of their own.
struct ReglagesDeBanc
{
    QTemporaryDir dossier;
    FichiersIni fichiers{dossier.path()};
    bool prets = dossier.isValid() && ecrireFichiersManquants(fichiers).ok;
};

// Median wall time of one call, in nanoseconds, over `tours` calls after a
// warm-up. Medians resist the noise of a shared machine.
template<typename F>
double medianeNs(int tours, F &&f)
{
    for (int i = 0; i < std::max(1, tours / 10); ++i)
        f();
    std::vector<qint64> temps;
    temps.reserve(std::size_t(tours));
    QElapsedTimer chrono;
    for (int i = 0; i < tours; ++i) {
        chrono.start();
        f();
        temps.push_back(chrono.nsecsElapsed());
    }
    std::nth_element(temps.begin(), temps.begin() + tours / 2, temps.end());
    return double(temps[std::size_t(tours / 2)]);
}

// Names are padded by hand: printf counts the bytes of accented letters.
inline void afficherLigne(const char *nom, double valeur, const char *unite, double rapport)
{
    int largeur = 0;
    for (const char *c = nom; *c; ++c)
        largeur += (static_cast<unsigned char>(*c) & 0xC0) != 0x80;
    std::printf("%s%*s %12.1f %-4s %7.2f × la référence\n", nom, std::max(0, 46 - largeur), "", valeur, unite, rapport);
}

inline void afficherRatio(const char *nom, double ns, double baseNs)
{
    afficherLigne(nom, ns / 1000.0, "µs", ns / baseNs);
}

inline void afficherKio(const char *nom, double kio, double baseKio) { afficherLigne(nom, kio, "Kio", kio / baseKio); }

// Median and 99th percentile of a set of measures.
struct Repartition
{
    double mediane;
    double centile99;
};

inline Repartition repartition(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const auto rang
        = [&v](double q) { return v[std::min(v.size() - 1, std::size_t(std::ceil(q * double(v.size())) - 1))]; };
    return {v[v.size() / 2], rang(0.99)};
}
