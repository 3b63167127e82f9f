#pragma once
// Internal helpers of the library: direct row-major element access (newmat's
// checked operator() is too slow for the O(n³) kernels) and the shape tests
// shared by several routines. Not part of the public interface.

#include <newmat.h>

#include <cmath>
#include <string>

namespace ztmath::detail {

using NEWMAT::Matrix;

// Messages raised through nrerror by more than one routine.
inline const char* const kSingular = "Singular Matrix";
inline const char* const kNonSquare = "Non-Square Matrix";
inline const char* const kNotComplex = "Not a complex matrix";
inline const char* const kSizeMismatch = "Matrix sizes do not agree";
inline const char* const kNonFinite = "Matrix has non-finite elements";
inline const char* const kTooLarge = "Matrix too large";
inline const char* const kSvdNotConverged = "Singular values did not converge";

// Relative tolerance of the yes/no tests.
inline constexpr double kTestTolerance = 1e-10;

// 1-based view on a matrix's row-major store.
class View {
  public:
    explicit View(Matrix& m) : p_(m.Store()), cols_(m.Ncols()) {}
    double& operator()(int i, int j) const { return p_[(i - 1) * cols_ + (j - 1)]; }

  private:
    double* p_;
    int cols_;
};

class ConstView {
  public:
    explicit ConstView(const Matrix& m) : p_(m.Store()), cols_(m.Ncols()) {}
    double operator()(int i, int j) const { return p_[(i - 1) * cols_ + (j - 1)]; }

  private:
    const double* p_;
    int cols_;
};

inline long Count(const Matrix& m) {
    return static_cast<long>(m.Nrows()) * m.Ncols();
}

// Largest absolute element (NaN when one element is NaN); 0 when empty.
double MaxAbs(const Matrix& m);
bool AllFinite(const Matrix& m);
// Largest absolute column sum (the matrix 1-norm) and largest absolute row
// sum (the infinity norm); 0 when empty.
double OneNorm(const Matrix& m);
double InfinityNorm(const Matrix& m);
Matrix Identity(int n);
// A rows × cols matrix; sizes whose element count does not fit newmat's int
// arithmetic → nrerror("Matrix too large") instead of a wrapped-around size.
Matrix Sized(long long rows, long long cols);
// The same, zero-filled (newmat leaves new storage undefined).
Matrix Zeros(long long rows, long long cols);

void RequireSquare(const Matrix& m);
// Columns even: the matrix can be read as a dual matrix.
void RequireDual(const Matrix& m);
// Dual and n × 2n.
void RequireSquareDual(const Matrix& m);

} // namespace ztmath::detail
