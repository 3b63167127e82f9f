// Times the exact paths at their size limit: the inverse, the determinant
// and the reduced form of a 60 x 60 matrix of integers in [-1000, 1000),
// and the reading of its doubles as fractions; prints a check beside each
// time (the inverse times the matrix is the identity).

#include "bench/bench_timing.h"
#include "exact/double_reading.h"
#include "exact/exact_algebra.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int kOrder = kLargestExactExtent;

NEWMAT::Matrix RandomIntegerMatrix() {
    NEWMAT::Matrix m = RandomMatrix(kOrder, kOrder);
    for (int k = 0; k < m.Storage(); ++k)
        m.Store()[k] = std::floor(m.Store()[k]);
    return m;
}

} // namespace

int main() {
    const NEWMAT::Matrix doubles = RandomIntegerMatrix();
    std::optional<RationalMatrix> read;
    const double reading = BestOfThreeSeconds([&] { read = ReadRationalMatrix(doubles); });
    std::printf("read 60 x 60 as fractions %8.3f s   read %s\n", reading, read ? "yes" : "no");
    if (!read) return 1;
    const RationalMatrix& a = *read;

    ExactResult<RationalMatrix> inverse;
    const double inverting = BestOfThreeSeconds([&] { inverse = ExactInverse(a); });
    const bool identity =
        inverse.IsDone() && ExactProduct(a, inverse.value).value == RationalMatrix::Identity(kOrder);
    std::printf("exact inverse 60 x 60     %8.3f s   A*inv(A) = I: %s\n", inverting,
                identity ? "yes" : "no");

    ExactResult<mpq_class> det;
    const double determinant = BestOfThreeSeconds([&] { det = ExactDeterminant(a); });
    std::printf("exact determinant 60 x 60 %8.3f s   %zu decimal digits\n", determinant,
                mpz_sizeinbase(det.value.get_num_mpz_t(), 10));

    ExactResult<RationalMatrix> reduced;
    const double rref = BestOfThreeSeconds([&] { reduced = ExactRref(a); });
    std::printf("exact rref 60 x 60        %8.3f s   identity: %s\n", rref,
                reduced.value == RationalMatrix::Identity(kOrder) ? "yes" : "no");
    return inverting < 0.5 ? 0 : 1;
}
