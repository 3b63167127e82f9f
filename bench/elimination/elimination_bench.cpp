// Times Gauss elimination (rref) and the singularity decision on 1000 x 1000
// matrices, one of full rank and one whose last row repeats its first, and
// prints what each decided so a wrong answer shows beside its time.

#include "bench/bench_timing.h"
#include "matrixlib/ztmath.h"

#include <cstdio>

using NEWMAT::Matrix;

namespace {

constexpr int kOrder = 1000;

int NonZeroRows(const Matrix& M) {
    int rows = 0;
    for (int i = 1; i <= M.Nrows(); ++i)
        for (int j = 1; j <= M.Ncols(); ++j)
            if (M(i, j) != 0.0) {
                ++rows;
                break;
            }
    return rows;
}

void TimeMatrix(const char* name, const Matrix& A) {
    Matrix reduced;
    const double gauss = BestOfThreeSeconds([&] {
        reduced = A;
        DoGauss(reduced);
    });
    std::printf("%-22s rref           %8.3f s   non-zero rows %d\n", name, gauss,
                NonZeroRows(reduced));
    double det = 0.0;
    const double lu = BestOfThreeSeconds([&] { det = Determinant(A); });
    std::printf("%-22s LU + rule (det) %7.3f s   det %s\n", name, lu, det == 0.0 ? "0" : "non-zero");
    int singular = 0;
    const double test = BestOfThreeSeconds([&] { singular = Singular(A); });
    std::printf("%-22s Singular test  %8.3f s   singular %d\n", name, test, singular);
}

} // namespace

int main() {
    const Matrix full = RandomMatrix(kOrder, kOrder);
    Matrix repeated = full;
    repeated.Row(kOrder) = full.Row(1);
    TimeMatrix("random 1000 x 1000", full);
    TimeMatrix("last row = first row", repeated);
    return 0;
}
