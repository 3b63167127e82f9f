// Problems whose right-hand sides may be negative, solved as stated and
// checked against the best vertex found by enumerating every vertex.

#include <gtest/gtest.h>
#include <newmat.h>

#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "solvers/simplex.h"

namespace {

enum Kind { Le = 0, Ge = 1, Eq = 2 };

// maximise c·x subject to a_i·x (kind_i) b_i and x >= 0.
struct Problem {
    std::vector<double> c;
    std::vector<std::vector<double>> a;
    std::vector<double> b;
    std::vector<Kind> kind; // grouped: every Le, then every Ge, then every Eq
};

constexpr double kTol = 1e-7;

bool Feasible(const Problem& p, const std::vector<double>& x) {
    for (double v : x)
        if (v < -kTol) return false;
    for (size_t i = 0; i < p.a.size(); ++i) {
        double lhs = 0.0;
        for (size_t k = 0; k < x.size(); ++k)
            lhs += p.a[i][k] * x[k];
        const double slack = p.b[i] - lhs;
        if ((p.kind[i] == Le && slack < -kTol) || (p.kind[i] == Ge && slack > kTol) ||
            (p.kind[i] == Eq && std::fabs(slack) > kTol))
            return false;
    }
    return true;
}

// x solving the n chosen hyperplanes (constraint rows, or x_k = 0 for
// indices past the rows), by elimination with partial pivoting.
std::optional<std::vector<double>> Vertex(const Problem& p, const std::vector<int>& chosen) {
    const int n = static_cast<int>(p.c.size());
    const int m = static_cast<int>(p.a.size());
    std::vector<std::vector<double>> e(n, std::vector<double>(n + 1, 0.0));
    for (int r = 0; r < n; ++r) {
        if (chosen[r] < m) {
            for (int k = 0; k < n; ++k)
                e[r][k] = p.a[chosen[r]][k];
            e[r][n] = p.b[chosen[r]];
        } else {
            e[r][chosen[r] - m] = 1.0;
        }
    }
    for (int c = 0; c < n; ++c) {
        int best = c;
        for (int r = c + 1; r < n; ++r)
            if (std::fabs(e[r][c]) > std::fabs(e[best][c])) best = r;
        if (std::fabs(e[best][c]) < 1e-9) return std::nullopt;
        std::swap(e[best], e[c]);
        for (int r = 0; r < n; ++r)
            if (r != c) {
                const double f = e[r][c] / e[c][c];
                for (int k = c; k <= n; ++k)
                    e[r][k] -= f * e[c][k];
            }
    }
    std::vector<double> x(n);
    for (int k = 0; k < n; ++k)
        x[k] = e[k][n] / e[k][k];
    return x;
}

// The best objective over all vertices; none when no vertex is feasible
// (the problems below are bounded, so that means infeasible).
std::optional<double> BestVertex(const Problem& p) {
    const int n = static_cast<int>(p.c.size());
    const int planes = static_cast<int>(p.a.size()) + n;
    std::optional<double> best;
    std::vector<int> chosen(n);
    // Every n-subset of the hyperplanes, as a bit mask.
    for (int mask = 0; mask < (1 << planes); ++mask) {
        if (__builtin_popcount(mask) != n) continue;
        int r = 0;
        for (int h = 0; h < planes; ++h)
            if (mask & (1 << h)) chosen[r++] = h;
        const std::optional<std::vector<double>> x = Vertex(p, chosen);
        if (!x || !Feasible(p, *x)) continue;
        double z = 0.0;
        for (int k = 0; k < n; ++k)
            z += p.c[k] * (*x)[k];
        if (!best || z > *best) best = z;
    }
    return best;
}

Problem RandomProblem(std::mt19937& random) {
    std::uniform_int_distribution<int> variables(1, 3), extra(1, 4), kindOf(0, 2);
    std::uniform_int_distribution<int> coefficient(-5, 5), rhs(-10, 10);
    Problem p;
    const int n = variables(random);
    for (int k = 0; k < n; ++k)
        p.c.push_back(coefficient(random));
    // A box keeps every problem bounded: x1 + ... + xn <= 12.
    p.a.push_back(std::vector<double>(n, 1.0));
    p.b.push_back(12);
    p.kind.push_back(Le);
    const int rows = extra(random);
    for (int i = 0; i < rows; ++i) {
        std::vector<double> row;
        for (int k = 0; k < n; ++k)
            row.push_back(coefficient(random));
        p.a.push_back(row);
        p.b.push_back(rhs(random));
        p.kind.push_back(static_cast<Kind>(kindOf(random)));
    }
    // Group the rows by kind, as the tableau has them.
    Problem grouped{p.c, {}, {}, {}};
    for (Kind kind : {Le, Ge, Eq})
        for (size_t i = 0; i < p.a.size(); ++i)
            if (p.kind[i] == kind) {
                grouped.a.push_back(p.a[i]);
                grouped.b.push_back(p.b[i]);
                grouped.kind.push_back(kind);
            }
    return grouped;
}

NEWMAT::Matrix Tableau(const Problem& p) {
    const int n = static_cast<int>(p.c.size());
    const int m = static_cast<int>(p.a.size());
    NEWMAT::Matrix t(m + 1, n + 1);
    t = 0.0;
    for (int k = 0; k < n; ++k)
        t(1, k + 2) = p.c[k];
    for (int i = 0; i < m; ++i) {
        t(i + 2, 1) = p.b[i];
        for (int k = 0; k < n; ++k)
            t(i + 2, k + 2) = -p.a[i][k];
    }
    return t;
}

int Count(const Problem& p, Kind kind) {
    int count = 0;
    for (Kind k : p.kind)
        count += k == kind;
    return count;
}

} // namespace

TEST(SimplexNegativeRhs, RandomProblemsMatchTheBestVertex) {
    std::mt19937 random(5);
    int negative = 0, optimal = 0, infeasible = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const Problem p = RandomProblem(random);
        for (double b : p.b)
            negative += b < 0;
        const StatedSolution got =
            SolveStated(Tableau(p), Count(p, Le), Count(p, Ge), Count(p, Eq));
        const std::optional<double> best = BestVertex(p);
        if (!best) {
            EXPECT_EQ(got.outcome, SimplexOutcome::Infeasible) << "trial " << trial;
            ++infeasible;
            continue;
        }
        ASSERT_EQ(got.outcome, SimplexOutcome::Optimal) << "trial " << trial;
        ++optimal;
        std::vector<double> x(got.x.Store(), got.x.Store() + got.x.Ncols());
        EXPECT_TRUE(Feasible(p, x)) << "trial " << trial;
        double z = 0.0;
        for (size_t k = 0; k < x.size(); ++k)
            z += p.c[k] * x[k];
        EXPECT_NEAR(z, *best, 1e-6) << "trial " << trial;
        EXPECT_NEAR(got.tableau(1, 1), *best, 1e-6) << "trial " << trial;
        EXPECT_EQ(got.tableau.Nrows(), static_cast<int>(p.a.size()) + 1);
    }
    EXPECT_GT(negative, 100);
    EXPECT_GT(optimal, 50);
    EXPECT_GT(infeasible, 20);
}

// x1 + x2 <= 4 and x1 >= 1 typed as -x1 <= -1: the row is regrouped as a
// >= row inside, the answer and the final tableau are the typed problem's.
TEST(SimplexNegativeRhs, TheAnswerIsThatOfTheTypedProblem) {
    NEWMAT::Matrix t(3, 3);
    t << 0 << 1 << 2   // maximise x1 + 2 x2
      << 4 << -1 << -1 // x1 + x2 <= 4
      << -1 << 1 << 0; // -x1 <= -1
    const StatedSolution got = SolveStated(t, 2, 0, 0);
    ASSERT_EQ(got.outcome, SimplexOutcome::Optimal);
    EXPECT_NEAR(got.tableau(1, 1), 7.0, 1e-12);
    EXPECT_NEAR(got.x(1), 1.0, 1e-12);
    EXPECT_NEAR(got.x(2), 3.0, 1e-12);
    EXPECT_NEAR(got.tableau(2, 1), 1.0, 1e-12); // rows ordered by basic variable
    EXPECT_NEAR(got.tableau(3, 1), 3.0, 1e-12);
    EXPECT_EQ(SolveStated(t, 1, 0, 0).outcome, SimplexOutcome::BadCounts);
}
