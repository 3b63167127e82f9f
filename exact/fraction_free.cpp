#include "exact/fraction_free.h"

#include <utility>

IntegerRows ScaledToIntegers(const RationalMatrix& m, mpz_class* scale) {
    IntegerRows result{m.Rows(), m.Columns(), {}};
    result.elements.resize(static_cast<std::size_t>(m.Rows()) * m.Columns());
    if (scale) *scale = 1;
    for (int i = 1; i <= m.Rows(); ++i) {
        mpz_class multiplier = 1;
        for (int j = 1; j <= m.Columns(); ++j)
            mpz_lcm(multiplier.get_mpz_t(), multiplier.get_mpz_t(), m(i, j).get_den_mpz_t());
        for (int j = 1; j <= m.Columns(); ++j) {
            mpz_class& to = result.At(i - 1, j - 1);
            mpz_divexact(to.get_mpz_t(), multiplier.get_mpz_t(), m(i, j).get_den_mpz_t());
            to *= m(i, j).get_num();
        }
        if (scale) *scale *= multiplier;
    }
    return result;
}

namespace {

void SwapRows(IntegerRows& m, int a, int b) {
    for (int j = 0; j < m.columns; ++j)
        std::swap(m.At(a, j), m.At(b, j));
}

// Row i becomes (pivot·row i − a_ic·row r) / previous, from column `from`
// on (the columns before are zero in both rows, or settled). A column
// whose element in the pivot row is zero needs only the scaling, and one
// zero in both rows stays zero.
void EliminateRow(IntegerRows& m, int i, int r, int c, int from, const mpz_class& previous,
                  mpz_class& work) {
    const mpz_class factor = m.At(i, c);
    const mpz_class& pivot = m.At(r, c);
    for (int j = from; j < m.columns; ++j) {
        mpz_class& target = m.At(i, j);
        const mpz_class& source = m.At(r, j);
        if (sgn(source) == 0) {
            if (sgn(target) == 0) continue;
            mpz_mul(work.get_mpz_t(), pivot.get_mpz_t(), target.get_mpz_t());
        } else {
            mpz_mul(work.get_mpz_t(), pivot.get_mpz_t(), target.get_mpz_t());
            mpz_submul(work.get_mpz_t(), factor.get_mpz_t(), source.get_mpz_t());
        }
        mpz_divexact(target.get_mpz_t(), work.get_mpz_t(), previous.get_mpz_t());
    }
}

// The first row from `r` down with a non-zero element in column c; -1 if none.
int PivotRow(IntegerRows& m, int r, int c) {
    for (int i = r; i < m.rows; ++i)
        if (sgn(m.At(i, c)) != 0) return i;
    return -1;
}

} // namespace

RationalMatrix ReducedRowEchelon(IntegerRows m, std::vector<int>* pivotColumns) {
    mpz_class previous = 1;
    mpz_class work;
    std::vector<int> pivots;
    int r = 0;
    for (int c = 0; c < m.columns && r < m.rows; ++c) {
        const int p = PivotRow(m, r, c);
        if (p < 0) continue;
        if (p != r) SwapRows(m, p, r);
        for (int i = 0; i < m.rows; ++i)
            if (i != r) EliminateRow(m, i, r, c, i < r ? 0 : c, previous, work);
        previous = m.At(r, c);
        pivots.push_back(c);
        ++r;
    }
    RationalMatrix result(m.rows, m.columns);
    for (int i = 0; i < r; ++i)
        for (int j = pivots[i]; j < m.columns; ++j)
            if (sgn(m.At(i, j)) != 0) {
                result(i + 1, j + 1) = mpq_class(m.At(i, j), previous);
                result(i + 1, j + 1).canonicalize();
            }
    if (pivotColumns) *pivotColumns = std::move(pivots);
    return result;
}

mpz_class IntegerDeterminant(IntegerRows m) {
    mpz_class previous = 1;
    mpz_class work;
    int sign = 1;
    for (int k = 0; k < m.rows; ++k) {
        const int p = PivotRow(m, k, k);
        if (p < 0) return 0;
        if (p != k) {
            SwapRows(m, p, k);
            sign = -sign;
        }
        for (int i = k + 1; i < m.rows; ++i)
            EliminateRow(m, i, k, k, k, previous, work);
        previous = m.At(k, k);
    }
    return sign * previous;
}
