#include <gtest/gtest.h>
#include <newmat.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <utility>
#include <random>
#include <vector>

#include "matrixlib/ztmath.h"
#include "operations/solvers/simplex.h"

namespace {

enum Kind { Le, Ge, Eq };

struct Constraint {
    std::vector<double> a;
    Kind kind;
    double b;
};

struct Problem {
    std::vector<double> c; // maximise c . x
    std::vector<Constraint> rows;
};

struct Solution {
    SimplexOutcome outcome;
    double z = 0;
    std::vector<double> x;
};

int Count(const Problem& p, Kind kind) {
    return int(std::count_if(p.rows.begin(), p.rows.end(),
                             [kind](const Constraint& row) { return row.kind == kind; }));
}

// The tableau (<= rows first, then >=, then =) with the working row below.
NEWMAT::Matrix Tableau(const Problem& p) {
    const int n = int(p.c.size());
    std::vector<const Constraint*> ordered;
    for (Kind kind : {Le, Ge, Eq})
        for (const Constraint& row : p.rows)
            if (row.kind == kind) ordered.push_back(&row);
    const int m = int(ordered.size());
    NEWMAT::Matrix a(m + 2, n + 1);
    a = 0.0;
    for (int k = 0; k < n; ++k)
        a(1, k + 2) = p.c[k];
    for (int i = 0; i < m; ++i) {
        a(i + 2, 1) = ordered[i]->b;
        for (int k = 0; k < n; ++k)
            a(i + 2, k + 2) = -ordered[i]->a[k];
    }
    return a;
}

// Runs the method on the tableau; every b must be >= 0.
Solution Solve(const Problem& p) {
    const int n = int(p.c.size());
    const int m = int(p.rows.size());
    NEWMAT::Matrix a = Tableau(p);
    const SimplexResult result = Simplex(a, m, n, Count(p, Le), Count(p, Ge), Count(p, Eq));
    Solution s{result.outcome, a(1, 1), std::vector<double>(n, 0.0)};
    for (int i = 0; i < m; ++i)
        if (result.iposv[i] <= n) s.x[result.iposv[i] - 1] = a(i + 2, 1);
    return s;
}

// Solves the problem as typed, whatever the signs of b; z is read from the
// final tableau.
Solution SolveAsTyped(const Problem& p) {
    const int m = int(p.rows.size());
    const StatedSolution stated =
        SolveStated(Tableau(p).Rows(1, m + 1), Count(p, Le), Count(p, Ge), Count(p, Eq));
    Solution s{stated.outcome, 0.0, {}};
    if (stated.outcome != SimplexOutcome::Optimal) return s;
    EXPECT_EQ(stated.tableau.Nrows(), m + 1);
    s.z = stated.tableau(1, 1);
    s.x.assign(stated.x.Store(), stated.x.Store() + stated.x.Ncols());
    return s;
}

bool Feasible(const Problem& p, const std::vector<double>& x, double tolerance) {
    for (double value : x)
        if (value < -tolerance) return false;
    for (const Constraint& row : p.rows) {
        double lhs = 0;
        for (std::size_t k = 0; k < x.size(); ++k)
            lhs += row.a[k] * x[k];
        const double slack = row.b - lhs;
        if ((row.kind == Le && slack < -tolerance) || (row.kind == Ge && slack > tolerance) ||
            (row.kind == Eq && std::fabs(slack) > tolerance))
            return false;
    }
    return true;
}

double Objective(const Problem& p, const std::vector<double>& x) {
    double z = 0;
    for (std::size_t k = 0; k < x.size(); ++k)
        z += p.c[k] * x[k];
    return z;
}

// The best objective over the vertices of a bounded problem (every choice of
// n active constraints among the rows and the bounds x >= 0), or nothing.
std::optional<double> BestVertex(const Problem& p) {
    const int n = int(p.c.size());
    std::vector<Constraint> planes = p.rows;
    for (int k = 0; k < n; ++k) {
        planes.push_back({std::vector<double>(n, 0.0), Ge, 0.0});
        planes.back().a[k] = 1;
    }
    std::optional<double> best;
    for (unsigned pick = 0; pick < 1u << planes.size(); ++pick) {
        if (std::popcount(pick) != n) continue;
        // A singular choice meets no vertex; a near-singular one meets a
        // point that is either infeasible or no better than the best vertex.
        NEWMAT::Matrix a(n, n), x(n, 1);
        for (int k = 0, i = 0; k < int(planes.size()); ++k) {
            if (!(pick >> k & 1u)) continue;
            x(++i, 1) = planes[k].b;
            for (int j = 0; j < n; ++j)
                a(i, j + 1) = planes[k].a[j];
        }
        try {
            GetLuSolVec(a, x);
            const std::vector<double> v(x.Store(), x.Store() + n);
            if (Feasible(p, v, 1e-7) && (!best || Objective(p, v) > *best)) best = Objective(p, v);
        } catch (const ztmath::MathError&) {
        }
    }
    return best;
}


// n = 2 ... 4 variables, 1 ... 3 rows of random kinds with b drawn from
// lowestRhs ... 12, and a box that keeps the problem bounded.
Problem RandomBoxedProblem(std::mt19937& random, int trial, int lowestRhs) {
    std::uniform_int_distribution<int> coefficient(-5, 5);
    std::uniform_int_distribution<int> rhs(lowestRhs, 12);
    const int n = 2 + trial % 3;
    Problem p;
    for (int k = 0; k < n; ++k)
        p.c.push_back(coefficient(random));
    const int extra = 1 + trial % 3;
    for (int i = 0; i < extra; ++i) {
        Constraint row{{}, Kind(random() % 3), double(rhs(random))};
        for (int k = 0; k < n; ++k)
            row.a.push_back(coefficient(random));
        p.rows.push_back(row);
    }
    for (int k = 0; k < n; ++k) {
        Constraint bound{std::vector<double>(n, 0.0), Le, 10};
        bound.a[k] = 1;
        p.rows.push_back(bound);
    }
    return p;
}

// Each random problem against the best of its vertices; returns how many
// were optimal and how many infeasible.
std::pair<int, int> ExpectBestVertices(std::mt19937& random, int lowestRhs,
                                       Solution (*solve)(const Problem&)) {
    int optimal = 0;
    int infeasible = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const Problem p = RandomBoxedProblem(random, trial, lowestRhs);
        const Solution s = solve(p);
        const std::optional<double> best = BestVertex(p);
        if (!best) {
            EXPECT_EQ(s.outcome, SimplexOutcome::Infeasible) << "trial " << trial;
            ++infeasible;
            continue;
        }
        EXPECT_EQ(s.outcome, SimplexOutcome::Optimal) << "trial " << trial;
        if (s.outcome != SimplexOutcome::Optimal) continue;
        EXPECT_NEAR(s.z, *best, 1e-7 * std::max(1.0, std::fabs(*best))) << "trial " << trial;
        EXPECT_TRUE(Feasible(p, s.x, 1e-7)) << "trial " << trial;
        EXPECT_NEAR(Objective(p, s.x), s.z, 1e-7) << "trial " << trial;
        ++optimal;
    }
    return {optimal, infeasible};
}

} // namespace

// Mixed kinds, nothing to gain and infeasible problems are decided by the
// random problems below; here what those never draw: no <= row at all, and a
// degenerate problem that cycles without a safeguard.
TEST(Simplex, TextbookProblemsReachTheirKnownOptima) {
    struct Case {
        const char* name;
        Problem problem;
        double z;
        std::vector<double> x;
    };
    const Case cases[] = {
        {"only >=, a minimum as a maximum",
         {{-2, -3}, {{{1, 1}, Ge, 4}, {{1, 3}, Ge, 6}}},
         -9,
         {3, 1}},
        {"only =", {{1, 2, 3}, {{{1, 1, 1}, Eq, 6}, {{1, -1, 0}, Eq, 0}}}, 18, {0, 0, 6}},
        {"degenerate (Beale)",
         {{0.75, -20, 0.5, -6},
          {{{0.25, -8, -1, 9}, Le, 0}, {{0.5, -12, -0.5, 3}, Le, 0}, {{0, 0, 1, 0}, Le, 1}}},
         1.25,
         {1, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        const Solution s = Solve(c.problem);
        EXPECT_EQ(s.outcome, SimplexOutcome::Optimal) << c.name;
        EXPECT_NEAR(s.z, c.z, 1e-9) << c.name;
        for (std::size_t k = 0; k < c.x.size(); ++k)
            EXPECT_NEAR(s.x[k], c.x[k], 1e-9) << c.name << " x" << k + 1;
    }
}

TEST(Simplex, RandomBoundedProblemsMatchTheBestVertex) {
    std::mt19937 random(20261206);
    const auto [optimal, infeasible] = ExpectBestVertices(random, 0, Solve);
    EXPECT_GT(optimal, 100);
    EXPECT_GT(infeasible, 20);
}

// A negative b: the row is turned round inside (its kind swapped, its group
// changed), the answer is that of the problem as typed.
TEST(Simplex, NegativeRightHandSidesAreSolvedAsTyped) {
    std::mt19937 random(24);
    const auto [optimal, infeasible] = ExpectBestVertices(random, -12, SolveAsTyped);
    EXPECT_GT(optimal, 100);
    EXPECT_GT(infeasible, 20);
    // max x1 + 2 x2 with x1 + x2 <= 4 and -x1 <= -1: 7 at (1, 3), the final
    // tableau's rows ordered by their basic variables x1, x2.
    NEWMAT::Matrix t(3, 3);
    t << 0 << 1 << 2 << 4 << -1 << -1 << -1 << 1 << 0;
    const StatedSolution s = SolveStated(t, 2, 0, 0);
    ASSERT_EQ(s.outcome, SimplexOutcome::Optimal);
    EXPECT_NEAR(s.tableau(1, 1), 7.0, 1e-12);
    EXPECT_NEAR(s.tableau(2, 1), 1.0, 1e-12);
    EXPECT_NEAR(s.tableau(3, 1), 3.0, 1e-12);
    EXPECT_EQ(SolveStated(t, 1, 0, 0).outcome, SimplexOutcome::BadCounts);
}
