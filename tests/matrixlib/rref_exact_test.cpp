// Gauss elimination (rref) on matrices of decimals, compared with exact
// rational elimination of the same decimals: full-rank matrices and ones
// made rank-deficient by repeated rows, sums of rows and halved rows.

#include "tests/matrixlib/matrix_checks.h"

#include <gmpxx.h>

#include <random>
#include <string>

namespace {

using Exact = std::vector<std::vector<mpq_class>>;

// The decimals as typed: each element is numerator / 10^places.
struct Decimals {
    Exact exact;
    Matrix typed; // what the calculator holds: each decimal rounded once
};

void SetElement(Decimals& d, int i, int j, long numerator, int places) {
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, places);
    d.exact[i][j] = mpq_class(numerator, denominator);
    d.exact[i][j].canonicalize();
    d.typed(i + 1, j + 1) = static_cast<double>(numerator) / std::pow(10.0, places);
}

// The exact reduced row echelon form (pivot on any non-zero element).
Exact ExactRref(Exact a) {
    const int rows = static_cast<int>(a.size());
    const int cols = static_cast<int>(a[0].size());
    int r = 0;
    for (int c = 0; c < cols && r < rows; ++c) {
        int p = r;
        while (p < rows && a[p][c] == 0)
            ++p;
        if (p == rows) continue;
        std::swap(a[p], a[r]);
        const mpq_class pivot = a[r][c];
        for (int j = c; j < cols; ++j)
            a[r][j] /= pivot;
        for (int i = 0; i < rows; ++i) {
            if (i == r || a[i][c] == 0) continue;
            const mpq_class f = a[i][c];
            for (int j = c; j < cols; ++j)
                a[i][j] -= f * a[r][j];
        }
        ++r;
    }
    return a;
}

enum class Deficiency { None, RepeatedRow, SumOfRows, HalvedRow };

Decimals RandomDecimals(std::mt19937& random, int rows, int cols, int places, Deficiency kind) {
    Decimals d{Exact(rows, std::vector<mpq_class>(cols)), Matrix(rows, cols)};
    const long largest = 5 * static_cast<long>(std::pow(10, places));
    std::uniform_int_distribution<long> numerator(-largest, largest);
    std::vector<std::vector<long>> n(rows, std::vector<long>(cols));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            n[i][j] = numerator(random);
            SetElement(d, i, j, n[i][j], places);
        }
    if (kind == Deficiency::None || rows < 2) return d;
    std::uniform_int_distribution<int> row(0, rows - 1);
    const int target = row(random);
    int a = row(random);
    while (a == target)
        a = row(random);
    // With two rows only, the "sum" doubles the other row.
    int b = a;
    while (rows > 2 && (b == target || b == a))
        b = row(random);
    for (int j = 0; j < cols; ++j) {
        switch (kind) {
        case Deficiency::RepeatedRow:
            SetElement(d, target, j, n[a][j], places);
            break;
        case Deficiency::SumOfRows:
            SetElement(d, target, j, n[a][j] + n[b][j], places);
            break;
        case Deficiency::HalvedRow:
            SetElement(d, target, j, 5 * n[a][j], places + 1);
            break;
        case Deficiency::None:
            break;
        }
    }
    return d;
}

int NonZeroRows(const Exact& a) {
    int count = 0;
    for (const auto& row : a)
        for (const mpq_class& x : row)
            if (x != 0) {
                ++count;
                break;
            }
    return count;
}

// The computed form must have the exact form's zero rows (exactly zero) and
// its entries to within rounding of their size. Returns false, checking
// nothing, when the exact form has entries beyond max(rows, cols): rounding
// the typed decimals moves the residue of a dependent row by about eps
// times ‖A‖ times those entries, which then reaches the tolerance, and the
// rank is no longer decided by the decimals but by their rounding.
bool MatchesExact(const Decimals& d, const std::string& what) {
    const Exact exact = ExactRref(d.exact);
    const int rows = d.typed.Nrows(), cols = d.typed.Ncols();
    double largest = 1.0;
    for (const auto& row : exact)
        for (const mpq_class& x : row)
            largest = std::max(largest, std::fabs(x.get_d()));
    if (largest > std::max(rows, cols)) return false;
    Matrix work = d.typed;
    const Matrix got = DoGauss(work);
    const int rank = NonZeroRows(exact);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            if (i >= rank) {
                EXPECT_EQ(got(i + 1, j + 1), 0.0) << what << " row " << i + 1;
            } else {
                EXPECT_NEAR(got(i + 1, j + 1), exact[i][j].get_d(), 1e-12 * largest)
                    << what << " at " << i + 1 << "," << j + 1;
            }
        }
    return true;
}

} // namespace

TEST(RrefExact, TheRankDeficientDecimalMatrixOfTheReport) {
    Matrix m = Mat({{-0.6, 0.7, 0.1}, {-0.4, 0.3, -0.8}, {-0.6, 0.7, 0.1}});
    EXPECT_MATRIX_NEAR(DoGauss(m), Mat({{1, 0, 5.9}, {0, 1, 5.2}, {0, 0, 0}}), 1e-13);
    EXPECT_EQ(m(3, 3), 0.0);
}

TEST(RrefExact, RandomDecimalFamiliesAgreeWithRationalElimination) {
    std::mt19937 random(24);
    std::uniform_int_distribution<int> size(2, 20);
    std::uniform_int_distribution<int> places(1, 3);
    std::uniform_int_distribution<int> extraColumns(-1, 2);
    const Deficiency kinds[] = {Deficiency::None, Deficiency::RepeatedRow, Deficiency::SumOfRows,
                                Deficiency::HalvedRow};
    int checked = 0;
    for (int trial = 0; trial < 100; ++trial)
        for (Deficiency kind : kinds) {
            const int rows = size(random);
            const int cols = std::clamp(rows + extraColumns(random), 2, 20);
            const int p = places(random);
            const Decimals d = RandomDecimals(random, rows, cols, p, kind);
            checked += MatchesExact(d, "trial " + std::to_string(trial) + " kind " +
                                           std::to_string(static_cast<int>(kind)) + " " +
                                           std::to_string(rows) + "x" + std::to_string(cols));
        }
    EXPECT_GT(checked, 340); // of 400
}

TEST(RrefExact, TheScaleOfTheWholeMatrixDoesNotChangeTheForm) {
    std::mt19937 random(7);
    const Decimals d = RandomDecimals(random, 8, 9, 2, Deficiency::SumOfRows);
    Matrix reference = d.typed;
    DoGauss(reference);
    for (double scale : {0x1p-600, 0x1p-20, 0x1p40, 0x1p600}) {
        Matrix scaled = d.typed * scale;
        EXPECT_MATRIX_NEAR(DoGauss(scaled), reference, 1e-13) << scale;
    }
}
