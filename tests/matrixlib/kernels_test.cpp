// The kernels behind the eigenvectors and the LU factorisation: gathered
// rotation sweeps give the bits of rotating pair by pair, a block of
// reflectors the product of its reflectors, and the two exchanges of the
// LU factors the same answers.

#include "tests/matrixlib/matrix_checks.h"

#include "matrixlib/lu_factors.h"
#include "matrixlib/reflector_block.h"
#include "matrixlib/rotation_sweep.h"
#include "matrixlib/two_halves.h"

#include <atomic>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

using ztmath::detail::ApplyReflectorBlock;
using ztmath::detail::Exchanges;
using ztmath::detail::RotationSweeps;
using ztmath::detail::RunHalves;
using Factors = ztmath::detail::LuFactors;

namespace {

struct Sweep {
    int bottom;
    std::vector<double> c, s;
};

// Rotation after rotation, each over whole rows: what the sweeps must equal.
void RotatePairByPair(std::vector<double>& rows, int length, const Sweep& sweep) {
    for (std::size_t k = 0; k < sweep.c.size(); ++k) {
        double* upper = rows.data() + static_cast<long>(sweep.bottom - 1 - k) * length;
        double* lower = upper + length;
        for (int j = 0; j < length; ++j) {
            const double next = lower[j];
            lower[j] = sweep.s[k] * upper[j] + sweep.c[k] * next;
            upper[j] = sweep.c[k] * upper[j] - sweep.s[k] * next;
        }
    }
}

std::vector<Sweep> RandomSweeps(int rowCount, int sweeps, std::mt19937& random) {
    std::uniform_real_distribution<double> angle(0.0, 6.3);
    std::vector<Sweep> out;
    for (int i = 0; i < sweeps; ++i) {
        Sweep sweep;
        sweep.bottom = 1 + static_cast<int>(random() % (rowCount - 1));
        const int count = 1 + static_cast<int>(random() % sweep.bottom);
        for (int k = 0; k < count; ++k) {
            const double a = angle(random);
            sweep.c.push_back(std::cos(a));
            sweep.s.push_back(std::sin(a));
        }
        out.push_back(sweep);
    }
    return out;
}

} // namespace

TEST(RotationSweeps, GiveTheBitsOfRotatingPairByPair) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> element(-1.0, 1.0);
    // Lengths below one block, with every narrower tail, and long enough
    // for two threads; enough sweeps that some are applied before the end.
    for (auto [rowCount, length, sweepCount] :
         {std::tuple{2, 1, 3}, {9, 5, 20}, {40, 37, 60}, {60, 70, 400}, {300, 333, 200}}) {
        std::vector<double> rows(static_cast<size_t>(rowCount) * length);
        for (double& x : rows)
            x = element(random);
        std::vector<double> expected = rows;
        RotationSweeps sweeps(rows.data(), length);
        for (const Sweep& sweep : RandomSweeps(rowCount, sweepCount, random)) {
            RotatePairByPair(expected, length, sweep);
            sweeps.Add(sweep.bottom, static_cast<int>(sweep.c.size()), sweep.c.data(),
                       sweep.s.data());
        }
        sweeps.Apply();
        EXPECT_EQ(std::memcmp(rows.data(), expected.data(), rows.size() * sizeof(double)), 0)
            << rowCount << " x " << length;
    }
}

TEST(ReflectorBlock, EqualsItsReflectorsOneByOne) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> element(-1.0, 1.0);
    const int order = 90, stride = 100, count = 7;
    Matrix Q = Sample(stride, stride, 9);
    Matrix expected = Q;
    std::vector<double> vt(static_cast<size_t>(count) * order, 0.0);
    std::vector<double> tau(count);
    for (int j = 0; j < count; ++j) {
        // Reflectors of growing length, as the tridiagonal reduction makes
        // them; the third is left out.
        const int length = order - count + j + 1;
        double norm = 0.0;
        for (int k = 0; k < length; ++k) {
            vt[static_cast<size_t>(j) * order + k] = element(random);
            norm += vt[static_cast<size_t>(j) * order + k] * vt[static_cast<size_t>(j) * order + k];
        }
        tau[j] = j == 2 ? 0.0 : 2.0 / norm;
        // P_j·Q on the leading block, the reflectors applied first to last.
        for (int c = 1; c <= order; ++c) {
            double dot = 0.0;
            for (int k = 0; k < order; ++k)
                dot += vt[static_cast<size_t>(j) * order + k] * expected(k + 1, c);
            for (int k = 0; k < order; ++k)
                expected(k + 1, c) -= tau[j] * vt[static_cast<size_t>(j) * order + k] * dot;
        }
    }
    const Matrix before = Q;
    ApplyReflectorBlock(Q.Store(), stride, order, vt.data(), count, tau.data());
    EXPECT_MATRIX_NEAR(Q, expected, 1e-13);
    // Outside the leading block nothing changes.
    EXPECT_EQ(Q.SubMatrix(order + 1, stride, 1, stride).MaximumAbsoluteValue(),
              before.SubMatrix(order + 1, stride, 1, stride).MaximumAbsoluteValue());
    EXPECT_TRUE(SameBits(Q.SubMatrix(1, stride, order + 1, stride),
                         before.SubMatrix(1, stride, order + 1, stride)));
}

TEST(RunHalves, RunsBothHalvesForCallersOnSeveralThreads) {
    std::atomic<int> mismatches{0};
    const auto caller = [&](int seed) {
        for (int call = 0; call < 2000; ++call) {
            int halves[2] = {0, 0};
            RunHalves([&](int half) { halves[half] = seed + call + half; });
            if (halves[0] != seed + call || halves[1] != seed + call + 1) ++mismatches;
        }
    };
    std::thread other(caller, 100000);
    caller(0);
    other.join();
    EXPECT_EQ(mismatches.load(), 0);
}

TEST(RunHalves, AForkedChildRunsBothHalvesItself) {
    int warm[2] = {0, 0};
    RunHalves([&](int half) { warm[half] = 1; });
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        int halves[2] = {0, 0};
        RunHalves([&](int half) { halves[half] = half + 1; });
        _exit(halves[0] == 1 && halves[1] == 2 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(LuFactorsOfEitherExchange, BothExchangesAnswerAlike) {
    for (int n : {1, 5, 60}) {
        const Matrix A = Sample(n, n, 40 + n) + Eye(n) * 0.1;
        const Factors columns(A, Exchanges::Columns);
        const Factors rows(A, Exchanges::Rows);
        ASSERT_FALSE(columns.Singular());
        EXPECT_NEAR(columns.Determinant(), rows.Determinant(),
                    1e-12 * std::fabs(rows.Determinant()));
        // The estimates differ but not by much: both are within a small
        // factor of the true reciprocal condition number.
        EXPECT_LT(columns.ReciprocalCondition(), 10 * rows.ReciprocalCondition());
        EXPECT_GT(columns.ReciprocalCondition(), 0.1 * rows.ReciprocalCondition());
        EXPECT_MATRIX_NEAR(A * columns.Inverse(), Eye(n), 1e-11);
        EXPECT_MATRIX_NEAR(A * rows.Inverse(), Eye(n), 1e-11);
        Matrix B = Sample(n, 3, 7);
        const Matrix b = B;
        columns.Solve(B);
        EXPECT_MATRIX_NEAR(A * B, b, 1e-11);
    }
    // An exactly singular matrix of decimals is singular both ways.
    const Matrix S = Mat({{0.1, 0.2, 0.3}, {0.4, 0.5, 0.6}, {0.7, 0.8, 0.9}});
    EXPECT_TRUE(Factors(S, Exchanges::Columns).Singular());
    EXPECT_TRUE(Factors(S, Exchanges::Rows).Singular());
    const Matrix withInfinity = Mat({{1, INFINITY}, {0, 1}});
    EXPECT_FALSE(Factors(withInfinity).Finite());
    EXPECT_TRUE(Factors(withInfinity).Singular());
}
