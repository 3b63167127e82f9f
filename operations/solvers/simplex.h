#pragma once
// Linear optimisation by the two-phase simplex method in tableau form.
//
// The tableau a has m + 2 rows and n + 1 columns. Row 1 is the objective
// z = a(1,1) + a(1,2) x1 + ... + a(1,n+1) xn to be maximised; rows 2 ... m+1
// are the constraints, first the m1 of kind <=, then the m2 of kind >=, then
// the m3 of kind =, each holding its right-hand side b (not negative) in
// column 1 and the negated coefficients in columns 2 ... n+1; row m + 2 is
// working space for the auxiliary objective of phase 1. Every variable is
// at least zero.

#include <newmat.h>

#include <vector>

// The outcome of a run.
enum class SimplexOutcome {
    Optimal = 0,     // a finite optimum; a(1,1) is the optimal z
    Unbounded = 1,   // z grows without bound on the feasible set
    Infeasible = -1, // no point satisfies the constraints
    BadCounts = -2,  // m1 + m2 + m3 differs from m
    TooManyIterations = 2,
};

struct SimplexResult {
    SimplexOutcome outcome = SimplexOutcome::BadCounts;
    // Variables not in the basis (1 ... n; numbers above n are slacks or
    // artificials), one per column.
    std::vector<int> izrov;
    // The variable in the basis of each constraint row.
    std::vector<int> iposv;
};

// Entering column: among the columns listed in ll[0 .. nll-1], the one whose
// entry in row mm + 1 is largest (iabf = 0) or largest in magnitude
// (iabf != 0); ties keep the earlier column. kp gets the column's variable
// number (1 ... n), bmax its signed entry.
void SimplexMaxColumn(const NEWMAT::Matrix& a, int mm, const std::vector<int>& ll, int nll,
                      int iabf, int& kp, double& bmax);

// Leaving row for column kp: the smallest ratio b / -a among the rows of
// l2[0 .. nl2-1] whose entry in column kp is below -EPS, exact ties broken by
// the ratios of the following columns. ip = 0 when no row qualifies.
void SimplexPivotRow(const NEWMAT::Matrix& a, int n, const std::vector<int>& l2, int nl2, int& ip,
                     int kp, double& q1);

// The pivot exchange on constraint ip and variable kp over rows 1 ... i1+1 and
// columns 1 ... k1+1.
void SimplexExchange(NEWMAT::Matrix& a, int i1, int k1, int ip, int kp);

// The problem as the user states it: T is the input tableau (m + 1 rows,
// rows 2 ... m+1 grouped m1 <=, m2 >=, m3 =), a right-hand side may be
// negative. Such a row is multiplied by -1 and its kind swapped (<= and >=;
// an = stays one), the rows are regrouped as the method needs, and the
// answer is given back in the user's terms.
struct StatedSolution {
    SimplexOutcome outcome = SimplexOutcome::BadCounts;
    // The optimal values of x1 ... xn (when Optimal).
    NEWMAT::RowVector x;
    // The final tableau, m + 1 rows, the constraint rows ordered by their
    // basic variable, a slack or artificial numbered n + (the user's row).
    NEWMAT::Matrix tableau;
};
StatedSolution SolveStated(const NEWMAT::Matrix& T, int m1, int m2, int m3);

// Runs the method on a (changed in place). After 50 consecutive pivots that
// leave the objective unchanged it switches to the smallest-index rule,
// which cannot cycle; after 50 (m + n) pivots in all it gives up.
SimplexResult Simplex(NEWMAT::Matrix& a, int m, int n, int m1, int m2, int m3);
