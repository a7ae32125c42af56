#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

// Median wall time of one call, in nanoseconds, over `tours` calls after a
// warm-up. Medians resist the noise of a shared machine.
template <typename F>
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

inline void afficherRatio(const char *nom, double ns, double baseNs)
{
    std::printf("%-44s %10.1f µs   %6.2f × la référence\n", nom, ns / 1000.0, ns / baseNs);
}
