#pragma once
// What the bench programs share: timing a piece of work and a reproducible
// random matrix.

#include <newmat.h>

#include <algorithm>
#include <chrono>
#include <random>

// Seconds one run of the work takes.
template <typename Work> double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of three runs: on a shared machine the slower runs measure the
// neighbours rather than the code.
template <typename Work> double BestOfThreeSeconds(Work work) {
    double best = Seconds(work);
    for (int run = 1; run < 3; ++run)
        best = std::min(best, Seconds(work));
    return best;
}

// Elements uniform in [-1000, 1000), the same on every run.
inline NEWMAT::Matrix RandomMatrix(int rows, int columns) {
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> value(-1000, 1000);
    NEWMAT::Matrix m(rows, columns);
    for (int i = 0; i < rows * columns; ++i)
        m.Store()[i] = value(random);
    return m;
}
