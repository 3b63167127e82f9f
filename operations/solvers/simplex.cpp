#include "operations/solvers/simplex.h"

#include "matrixlib/rearrange.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Entries within this of zero count as zero when choosing pivots.
constexpr double kEps = 1.2e-7;
// Consecutive pivots that leave the objective unchanged before the run
// switches to the smallest-index rule.
constexpr int kStallLimit = 50;
// Pivots allowed per row and column of the tableau.
constexpr int kPivotsPerDimension = 50;

// 1-based access to a tableau's row-major store.
class Tableau {
  public:
    explicit Tableau(NEWMAT::Matrix& a) : p_(a.Store()), cols_(a.Ncols()) {}
    double& operator()(int r, int c) const { return p_[(r - 1) * cols_ + (c - 1)]; }

  private:
    double* p_;
    int cols_;
};

class ConstTableau {
  public:
    explicit ConstTableau(const NEWMAT::Matrix& a) : p_(a.Store()), cols_(a.Ncols()) {}
    double operator()(int r, int c) const { return p_[(r - 1) * cols_ + (c - 1)]; }

  private:
    const double* p_;
    int cols_;
};

// One run of the method with its bookkeeping.
class SimplexRun {
  public:
    SimplexRun(NEWMAT::Matrix& a, int m, int n, int m1, int m2, int m3)
        : matrix_(a), a_(a), m_(m), n_(n), m1_(m1), m2_(m2), m3_(m3) {}

    SimplexResult Run();

  private:
    bool PhaseOne(SimplexOutcome& outcome);
    SimplexOutcome PhaseTwo();
    // The entering column of objective row mm + 1: the largest entry, or in
    // smallest-index mode the lowest-numbered variable whose entry passes
    // the threshold. bmax is the largest entry either way.
    void ChooseColumn(int mm, double threshold, int& kp, double& bmax) const;
    // The leaving row for column kp; 0 when none.
    int ChooseRow(int kp) const;
    // Pivots and swaps the variables; false once the pivot budget is spent.
    bool Pivot(int i1, int ip, int kp, int objectiveRow);
    void RemoveColumn(int kp);
    void NegateColumn(int kp);

    NEWMAT::Matrix& matrix_;
    Tableau a_;
    int m_, n_, m1_, m2_, m3_;
    std::vector<int> l1_, l2_, l3_;
    int nl1_ = 0;
    std::vector<int> izrov_, iposv_;
    int pivots_ = 0;
    int stalled_ = 0;
    bool smallestIndex_ = false;
};

SimplexResult SimplexRun::Run() {
    SimplexResult result;
    if (m_ != m1_ + m2_ + m3_ || m1_ < 0 || m2_ < 0 || m3_ < 0) return result;
    l1_.resize(n_);
    izrov_.resize(n_);
    for (int k = 1; k <= n_; ++k)
        l1_[k - 1] = izrov_[k - 1] = k;
    nl1_ = n_;
    l2_.resize(m_);
    iposv_.resize(m_);
    for (int i = 1; i <= m_; ++i) {
        l2_[i - 1] = i;
        iposv_[i - 1] = n_ + i;
    }
    l3_.assign(m_, 0);
    for (int i = 1; i <= m2_; ++i)
        l3_[i - 1] = 1;

    SimplexOutcome outcome = SimplexOutcome::Optimal;
    if (m2_ + m3_ == 0 || PhaseOne(outcome)) outcome = PhaseTwo();
    result.outcome = outcome;
    result.izrov = std::move(izrov_);
    result.iposv = std::move(iposv_);
    return result;
}

// Drives the artificial variables of the >= and = rows out of the basis.
// True when phase two may follow; otherwise outcome says why not.
bool SimplexRun::PhaseOne(SimplexOutcome& outcome) {
    const int aux = m_ + 2;
    for (int k = 1; k <= n_ + 1; ++k) {
        double sum = 0.0;
        for (int i = m1_ + 1; i <= m_; ++i)
            sum += a_(i + 1, k);
        a_(aux, k) = -sum;
    }
    for (;;) {
        int kp = 0;
        double bmax = 0.0;
        ChooseColumn(m_ + 1, kEps, kp, bmax);
        int ip = 0;
        if (bmax <= kEps && a_(aux, 1) < -kEps) {
            outcome = SimplexOutcome::Infeasible;
            return false;
        }
        if (bmax <= kEps && a_(aux, 1) <= kEps) {
            // Feasible: artificials of = rows still basic at level zero are
            // exchanged for any variable with a nonzero entry in their row.
            for (int row = m1_ + m2_ + 1; row <= m_ && ip == 0; ++row) {
                if (iposv_[row - 1] != row + n_) continue;
                double entry = 0.0;
                int column = 0;
                SimplexMaxColumn(matrix_, row, l1_, nl1_, 1, column, entry);
                if (entry > 0.0) {
                    ip = row;
                    kp = column;
                }
            }
            if (ip == 0) {
                for (int i = m1_ + 1; i <= m1_ + m2_; ++i)
                    if (l3_[i - m1_ - 1] == 1)
                        for (int k = 1; k <= n_ + 1; ++k)
                            a_(i + 1, k) = -a_(i + 1, k);
                return true;
            }
        } else {
            ip = ChooseRow(kp);
            if (ip == 0) {
                outcome = SimplexOutcome::Infeasible;
                return false;
            }
        }
        const int leaving = iposv_[ip - 1];
        if (!Pivot(m_ + 1, ip, kp, aux)) {
            outcome = SimplexOutcome::TooManyIterations;
            return false;
        }
        if (leaving >= n_ + m1_ + m2_ + 1) {
            // An artificial of an = row has left: it may never come back.
            RemoveColumn(kp);
            a_(aux, kp + 1) += 1.0;
            NegateColumn(kp);
        } else if (leaving >= n_ + m1_ + 1) {
            const int kh = leaving - m1_ - n_;
            if (l3_[kh - 1] != 0) {
                l3_[kh - 1] = 0;
                a_(aux, kp + 1) += 1.0;
                NegateColumn(kp);
            }
        }
    }
}

SimplexOutcome SimplexRun::PhaseTwo() {
    for (;;) {
        int kp = 0;
        double bmax = 0.0;
        ChooseColumn(0, 0.0, kp, bmax);
        if (bmax <= 0.0) return SimplexOutcome::Optimal;
        const int ip = ChooseRow(kp);
        if (ip == 0) return SimplexOutcome::Unbounded;
        if (!Pivot(m_, ip, kp, 1)) return SimplexOutcome::TooManyIterations;
    }
}

void SimplexRun::ChooseColumn(int mm, double threshold, int& kp, double& bmax) const {
    if (nl1_ == 0) {
        kp = 0;
        bmax = 0.0;
        return;
    }
    SimplexMaxColumn(matrix_, mm, l1_, nl1_, 0, kp, bmax);
    if (!smallestIndex_ || bmax <= threshold) return;
    int lowest = 0;
    for (int k = 0; k < nl1_; ++k) {
        const int column = l1_[k];
        if (a_(mm + 1, column + 1) > threshold &&
            (lowest == 0 || izrov_[column - 1] < izrov_[lowest - 1]))
            lowest = column;
    }
    kp = lowest;
}

int SimplexRun::ChooseRow(int kp) const {
    int ip = 0;
    double q1 = 0.0;
    SimplexPivotRow(matrix_, n_, l2_, m_, ip, kp, q1);
    if (!smallestIndex_ || ip == 0) return ip;
    // Among the rows of the smallest ratio, the lowest-numbered basic variable.
    for (int i = 1; i <= m_; ++i) {
        const double entry = a_(i + 1, kp + 1);
        if (entry < -kEps && -a_(i + 1, 1) / entry == q1 && iposv_[i - 1] < iposv_[ip - 1]) ip = i;
    }
    return ip;
}

bool SimplexRun::Pivot(int i1, int ip, int kp, int objectiveRow) {
    if (++pivots_ > kPivotsPerDimension * (m_ + n_)) return false;
    const double before = a_(objectiveRow, 1);
    SimplexExchange(matrix_, i1, n_, ip, kp);
    std::swap(izrov_[kp - 1], iposv_[ip - 1]);
    stalled_ = a_(objectiveRow, 1) == before ? stalled_ + 1 : 0;
    if (stalled_ >= kStallLimit) smallestIndex_ = true;
    return true;
}

void SimplexRun::RemoveColumn(int kp) {
    for (int k = 0; k < nl1_; ++k)
        if (l1_[k] == kp) {
            for (int later = k + 1; later < nl1_; ++later)
                l1_[later - 1] = l1_[later];
            --nl1_;
            return;
        }
}

void SimplexRun::NegateColumn(int kp) {
    for (int r = 1; r <= m_ + 2; ++r)
        a_(r, kp + 1) = -a_(r, kp + 1);
}

} // namespace

void SimplexMaxColumn(const NEWMAT::Matrix& matrix, int mm, const std::vector<int>& ll, int nll,
                      int iabf, int& kp, double& bmax) {
    const ConstTableau a(matrix);
    if (nll < 1) {
        kp = 0;
        bmax = 0.0;
        return;
    }
    kp = ll[0];
    bmax = a(mm + 1, kp + 1);
    for (int k = 1; k < nll; ++k) {
        const double entry = a(mm + 1, ll[k] + 1);
        const double test = iabf == 0 ? entry - bmax : std::fabs(entry) - std::fabs(bmax);
        if (test > 0.0) {
            bmax = entry;
            kp = ll[k];
        }
    }
}

void SimplexPivotRow(const NEWMAT::Matrix& matrix, int n, const std::vector<int>& l2, int nl2,
                     int& ip, int kp, double& q1) {
    const ConstTableau a(matrix);
    ip = 0;
    int first = 0;
    while (first < nl2 && !(a(l2[first] + 1, kp + 1) < -kEps))
        ++first;
    if (first == nl2) return;
    ip = l2[first];
    q1 = -a(ip + 1, 1) / a(ip + 1, kp + 1);
    for (int later = first + 1; later < nl2; ++later) {
        const int ii = l2[later];
        if (!(a(ii + 1, kp + 1) < -kEps)) continue;
        const double q = -a(ii + 1, 1) / a(ii + 1, kp + 1);
        if (q < q1) {
            ip = ii;
            q1 = q;
        } else if (q == q1) {
            double qp = 0.0;
            double q0 = 0.0;
            for (int k = 1; k <= n; ++k) {
                qp = -a(ip + 1, k + 1) / a(ip + 1, kp + 1);
                q0 = -a(ii + 1, k + 1) / a(ii + 1, kp + 1);
                if (q0 != qp) break;
            }
            if (q0 < qp) ip = ii;
        }
    }
}

void SimplexExchange(NEWMAT::Matrix& matrix, int i1, int k1, int ip, int kp) {
    const Tableau a(matrix);
    const double piv = 1.0 / a(ip + 1, kp + 1);
    const int pivotRow = ip + 1;
    const int pivotColumn = kp + 1;
    for (int r = 1; r <= i1 + 1; ++r) {
        if (r == pivotRow) continue;
        const double factor = a(r, pivotColumn) * piv;
        a(r, pivotColumn) = factor;
        if (factor == 0.0) continue;
        for (int c = 1; c <= k1 + 1; ++c)
            if (c != pivotColumn) a(r, c) -= a(pivotRow, c) * factor;
    }
    for (int c = 1; c <= k1 + 1; ++c)
        if (c != pivotColumn) a(pivotRow, c) *= -piv;
    a(pivotRow, pivotColumn) = piv;
}

SimplexResult Simplex(NEWMAT::Matrix& a, int m, int n, int m1, int m2, int m3) {
    return SimplexRun(a, m, n, m1, m2, m3).Run();
}

namespace {

enum class RowKind { LessOrEqual, GreaterOrEqual, Equal };

RowKind StatedKind(int row, int m1, int m2) {
    if (row <= m1) return RowKind::LessOrEqual;
    return row <= m1 + m2 ? RowKind::GreaterOrEqual : RowKind::Equal;
}

} // namespace

StatedSolution SolveStated(const NEWMAT::Matrix& T, int m1, int m2, int m3) {
    StatedSolution solution;
    const int m = T.Nrows() - 1;
    const int n = T.Ncols() - 1;
    if (m1 < 0 || m2 < 0 || m3 < 0 || m != m1 + m2 + m3) return solution;
    // Each constraint row with its kind once its right-hand side is made
    // non-negative; a stable sort by kind keeps the user's order within a
    // group, and original[i] remembers where internal row i came from.
    std::vector<std::pair<RowKind, int>> rows;
    for (int row = 1; row <= m; ++row) {
        RowKind kind = StatedKind(row, m1, m2);
        if (T(row + 1, 1) < 0.0 && kind != RowKind::Equal)
            kind = kind == RowKind::LessOrEqual ? RowKind::GreaterOrEqual : RowKind::LessOrEqual;
        rows.emplace_back(kind, row);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    NEWMAT::Matrix a(m + 2, n + 1);
    a = 0.0;
    a.Row(1) = T.Row(1);
    int counts[3] = {0, 0, 0};
    std::vector<int> original(m + 1, 0);
    for (int i = 1; i <= m; ++i) {
        const int row = rows[i - 1].second;
        original[i] = row;
        ++counts[static_cast<int>(rows[i - 1].first)];
        a.Row(i + 1) = T.Row(row + 1) * (T(row + 1, 1) < 0.0 ? -1.0 : 1.0);
    }
    const SimplexResult result = Simplex(a, m, n, counts[0], counts[1], counts[2]);
    solution.outcome = result.outcome;
    if (result.outcome != SimplexOutcome::Optimal) return solution;

    solution.tableau = a.Rows(1, m + 1);
    solution.x.ReSize(n);
    solution.x = 0.0;
    NEWMAT::Matrix order(m + 1, 1);
    order = 0.0;
    for (int i = 1; i <= m; ++i) {
        const int basic = result.iposv[i - 1];
        if (basic <= n) solution.x(basic) = solution.tableau(i + 1, 1);
        order(i + 1, 1) = basic <= n ? basic : n + original[basic - n];
    }
    SetRowOrder(solution.tableau, order);
    return solution;
}
