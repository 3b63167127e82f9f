#include "fuzz/invariants.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

void CheckInvariant(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

bool SameMatrix(const NEWMAT::Matrix& a, const NEWMAT::Matrix& b) {
    if (a.Nrows() != b.Nrows() || a.Ncols() != b.Ncols()) return false;
    for (int r = 0; r < a.Nrows(); ++r) {
        for (int c = 0; c < a.Ncols(); ++c) {
            const double x = a.element(r, c);
            const double y = b.element(r, c);
            if (x != y && !(std::isnan(x) && std::isnan(y))) return false;
        }
    }
    return true;
}
