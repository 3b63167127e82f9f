#include "exact/exact_algebra.h"

#include "exact/fraction_free.h"

#include <vector>

namespace {

bool IsTooLarge(const RationalMatrix& m) {
    return m.Rows() > kLargestExactExtent || m.Columns() > kLargestExactExtent;
}

template <class Value> ExactResult<Value> Failed(ExactStatus status) {
    return {status, Value{}};
}

// Elementwise a ∘ b after the checks Sum and Difference share.
template <class Combine>
ExactResult<RationalMatrix> Elementwise(const RationalMatrix& a, const RationalMatrix& b,
                                        Combine combine) {
    if (a.Rows() != b.Rows() || a.Columns() != b.Columns())
        return Failed<RationalMatrix>(ExactStatus::SizeMismatch);
    if (IsTooLarge(a)) return Failed<RationalMatrix>(ExactStatus::TooLarge);
    RationalMatrix sum(a.Rows(), a.Columns());
    for (int i = 1; i <= a.Rows(); ++i)
        for (int j = 1; j <= a.Columns(); ++j)
            sum(i, j) = combine(a(i, j), b(i, j));
    return {ExactStatus::Done, std::move(sum)};
}

// The right half of the reduced form of [A | B] when its left half is
// the identity (A regular); Singular otherwise.
ExactResult<RationalMatrix> RightHalfAfterReduction(const RationalMatrix& a,
                                                    const RationalMatrix& b) {
    std::vector<int> pivots;
    const RationalMatrix reduced = ReducedRowEchelon(ScaledToIntegers(SideBySide(a, b)), &pivots);
    const int n = a.Rows();
    if (static_cast<int>(pivots.size()) < n || (n > 0 && pivots[n - 1] != n - 1))
        return Failed<RationalMatrix>(ExactStatus::Singular);
    RationalMatrix x(n, b.Columns());
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= b.Columns(); ++j)
            x(i, j) = reduced(i, n + j);
    return {ExactStatus::Done, std::move(x)};
}

} // namespace

RationalMatrix SideBySide(const RationalMatrix& a, const RationalMatrix& b) {
    RationalMatrix joined(a.Rows(), a.Columns() + b.Columns());
    for (int i = 1; i <= a.Rows(); ++i) {
        for (int j = 1; j <= a.Columns(); ++j)
            joined(i, j) = a(i, j);
        for (int j = 1; j <= b.Columns(); ++j)
            joined(i, a.Columns() + j) = b(i, j);
    }
    return joined;
}

ExactResult<RationalMatrix> ExactSum(const RationalMatrix& a, const RationalMatrix& b) {
    return Elementwise(a, b, [](const mpq_class& x, const mpq_class& y) { return mpq_class(x + y); });
}

ExactResult<RationalMatrix> ExactDifference(const RationalMatrix& a, const RationalMatrix& b) {
    return Elementwise(a, b, [](const mpq_class& x, const mpq_class& y) { return mpq_class(x - y); });
}

ExactResult<RationalMatrix> ExactProduct(const RationalMatrix& a, const RationalMatrix& b) {
    if (a.Columns() != b.Rows()) return Failed<RationalMatrix>(ExactStatus::SizeMismatch);
    if (IsTooLarge(a) || IsTooLarge(b)) return Failed<RationalMatrix>(ExactStatus::TooLarge);
    RationalMatrix product(a.Rows(), b.Columns());
    for (int i = 1; i <= a.Rows(); ++i)
        for (int j = 1; j <= b.Columns(); ++j) {
            mpq_class& sum = product(i, j);
            for (int k = 1; k <= a.Columns(); ++k)
                if (sgn(a(i, k)) != 0) sum += a(i, k) * b(k, j);
        }
    return {ExactStatus::Done, std::move(product)};
}

ExactResult<RationalMatrix> ExactInverse(const RationalMatrix& a) {
    if (a.Rows() != a.Columns()) return Failed<RationalMatrix>(ExactStatus::NotSquare);
    if (IsTooLarge(a)) return Failed<RationalMatrix>(ExactStatus::TooLarge);
    return RightHalfAfterReduction(a, RationalMatrix::Identity(a.Rows()));
}

ExactResult<RationalMatrix> ExactQuotient(const RationalMatrix& a, const RationalMatrix& b) {
    if (a.Columns() != b.Rows()) return Failed<RationalMatrix>(ExactStatus::SizeMismatch);
    ExactResult<RationalMatrix> inverse = ExactInverse(b);
    if (!inverse.IsDone()) return inverse;
    return ExactProduct(a, inverse.value);
}

ExactResult<RationalMatrix> ExactSolve(const RationalMatrix& a, const RationalMatrix& b) {
    if (a.Rows() != a.Columns()) return Failed<RationalMatrix>(ExactStatus::NotSquare);
    if (b.Rows() != a.Rows()) return Failed<RationalMatrix>(ExactStatus::SizeMismatch);
    if (IsTooLarge(a) || IsTooLarge(b)) return Failed<RationalMatrix>(ExactStatus::TooLarge);
    return RightHalfAfterReduction(a, b);
}

ExactResult<mpq_class> ExactDeterminant(const RationalMatrix& a) {
    if (a.Rows() != a.Columns()) return Failed<mpq_class>(ExactStatus::NotSquare);
    if (IsTooLarge(a)) return Failed<mpq_class>(ExactStatus::TooLarge);
    mpz_class scale;
    IntegerRows scaled = ScaledToIntegers(a, &scale);
    mpq_class det(IntegerDeterminant(std::move(scaled)), scale);
    det.canonicalize();
    return {ExactStatus::Done, std::move(det)};
}

ExactResult<RationalMatrix> ExactAdjugate(const RationalMatrix& a) {
    ExactResult<RationalMatrix> inverse = ExactInverse(a);
    if (!inverse.IsDone()) return inverse;
    const mpq_class det = ExactDeterminant(a).value;
    for (int i = 1; i <= a.Rows(); ++i)
        for (int j = 1; j <= a.Columns(); ++j)
            inverse.value(i, j) *= det;
    return inverse;
}

ExactResult<RationalMatrix> ExactRref(const RationalMatrix& a) {
    if (IsTooLarge(a)) return Failed<RationalMatrix>(ExactStatus::TooLarge);
    return {ExactStatus::Done, ReducedRowEchelon(ScaledToIntegers(a))};
}
