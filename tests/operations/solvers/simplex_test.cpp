#include <gtest/gtest.h>
#include <newmat.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
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

// Builds the tableau (<= rows first, then >=, then =) and runs the method.
Solution Solve(const Problem& p) {
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
    auto count = [&](Kind kind) {
        return int(std::count_if(p.rows.begin(), p.rows.end(),
                                 [kind](const Constraint& row) { return row.kind == kind; }));
    };
    const SimplexResult result = Simplex(a, m, n, count(Le), count(Ge), count(Eq));
    Solution s{result.outcome, a(1, 1), std::vector<double>(n, 0.0)};
    for (int i = 0; i < m; ++i)
        if (result.iposv[i] <= n) s.x[result.iposv[i] - 1] = a(i + 2, 1);
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
    std::uniform_int_distribution<int> coefficient(-5, 5);
    std::uniform_int_distribution<int> rhs(0, 12);
    int optimal = 0;
    int infeasible = 0;
    for (int trial = 0; trial < 400; ++trial) {
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
        // A box keeps every problem bounded.
        for (int k = 0; k < n; ++k) {
            Constraint bound{std::vector<double>(n, 0.0), Le, 10};
            bound.a[k] = 1;
            p.rows.push_back(bound);
        }
        const Solution s = Solve(p);
        const std::optional<double> best = BestVertex(p);
        if (!best) {
            EXPECT_EQ(s.outcome, SimplexOutcome::Infeasible) << "trial " << trial;
            ++infeasible;
            continue;
        }
        ASSERT_EQ(s.outcome, SimplexOutcome::Optimal) << "trial " << trial;
        EXPECT_NEAR(s.z, *best, 1e-7 * std::max(1.0, std::fabs(*best))) << "trial " << trial;
        EXPECT_TRUE(Feasible(p, s.x, 1e-7)) << "trial " << trial;
        EXPECT_NEAR(Objective(p, s.x), s.z, 1e-7) << "trial " << trial;
        ++optimal;
    }
    EXPECT_GT(optimal, 100);
    EXPECT_GT(infeasible, 20);
}
