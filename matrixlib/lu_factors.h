#pragma once
// The LU factorisation behind inverses, determinants and solves.

#include <newmat.h>

#include "matrixlib/scaled_product.h"

#include <memory>
#include <vector>

namespace ztmath::detail {

// Which exchanges partial pivoting makes.
enum class Exchanges {
    // LAPACK factors Aᵀ = P·L·U, whose column-major store is A's row-major
    // store as it lies: no transpose on the way in or out of LAPACK, and the
    // questions below are answered for A all the same.
    Columns,
    // A's own P·A = L·U, the factors Compact shows.
    Rows,
};

// An LU factorisation of a square matrix by partial pivoting (LAPACK). One
// factorisation answers every question about A: whether it is singular,
// its determinant, solves and the inverse.
class LuFactors {
  public:
    // Not square → nrerror("Non-Square Matrix").
    explicit LuFactors(const NEWMAT::Matrix& A, Exchanges exchanges = Exchanges::Columns);

    // The one singularity rule: a non-finite element, an exactly zero
    // pivot, or a reciprocal condition number in the 1-norm, estimated from
    // the factors (O(n²)), below n·eps.
    bool Singular() const { return singular_; }
    // Whether every element of A is finite.
    bool Finite() const { return finite_; }
    // The 1-norm reciprocal condition number the rule compares: LAPACK's
    // estimate from the factors, 0 for a zero pivot or a non-finite
    // element, 1 for the empty matrix.
    double ReciprocalCondition() const { return rcond_; }
    // The bound below which the rule calls the matrix singular: n·eps.
    double SingularityThreshold() const;
    // ±1: the parity of the exchanges.
    int Parity() const;
    // The parity times the product of the pivots, computed without
    // intermediate overflow; 0 when singular.
    double Determinant() const;
    // The same product held apart as mantissa and exponent; 0 when singular.
    ScaledProduct DeterminantProduct() const;
    // B becomes A⁻¹B. Singular → nrerror("Singular Matrix"); row count
    // other than n → nrerror("Matrix sizes do not agree").
    void Solve(NEWMAT::Matrix& B) const;
    // A⁻¹; singular → nrerror("Singular Matrix").
    NEWMAT::Matrix Inverse() const;
    // The compact row-major form (L below the diagonal, U on and above) and
    // the row exchanged with row k at step k (swaps[0] unused), of factors
    // made with Exchanges::Rows.
    void Compact(NEWMAT::Matrix& M, std::vector<int>& swaps) const;

  private:
    void RequireRegular() const;
    // 1 / (‖A‖₁·‖A⁻¹‖₁) as LAPACK estimates it from the factors, given
    // A's largest magnitude and 1-norm.
    double EstimateReciprocalCondition(const NEWMAT::Matrix& A, double largest,
                                       double oneNorm) const;

    int n_;
    Exchanges exchanges_;
    // Column-major n × n, never zero-filled: every element is written
    // before it is read.
    std::unique_ptr<double[]> lu_;
    std::vector<int> pivots_; // LAPACK's, counted from 1
    bool singular_ = false;
    bool finite_ = true;
    double rcond_ = 1.0;
};

// `count` doubles left as the allocator hands them over: no pass over
// megabytes of zeros that are overwritten at once.
std::unique_ptr<double[]> UnfilledDoubles(std::size_t count);

// Row-major rows × cols at src written column-major to dst (a transpose of
// the storage order), in cache-sized tiles.
void TransposeStore(const double* src, int rows, int cols, double* dst);
// The n × n store at a transposed where it lies, in cache-sized tiles.
void TransposeSquareInPlace(double* a, int n);

} // namespace ztmath::detail
