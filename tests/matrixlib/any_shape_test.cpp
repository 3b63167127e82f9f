// Every routine on every awkward shape: each must return or raise its error,
// never crash or touch memory outside a matrix (run under the sanitizers).

#include "tests/matrixlib/matrix_checks.h"

namespace {

// Evaluates its arguments and drops the results.
template <class... T> void Discard(const T&...) {}

// Each call gets its own copy of the input, so in-place routines may wreck it,
// and its own try block, so one routine's error does not hide the next one.
using Call = void (*)(Matrix m, const Matrix& other);
const Call kCalls[] = {
    [](Matrix m, const Matrix& o) {
        Discard(Exist(m), Square(m), Symmetric(m), SkewSymmetric(m), Singular(m),
                PositiveDefinite(m), Orthogonal(m), Stochastic(m), IsVector(m), IsComposite(m),
                DimCmp(m, o), OnTestHermitian(m, 1e-8), OnTestUnitary(m, 1e-8));
    },
    [](Matrix m, const Matrix&) { Rank(m); },
    [](Matrix m, const Matrix&) { Discard(Condition(m), Tr(m), RNorm(m)); },
    [](Matrix m, const Matrix& o) { VectorDotProd(m, o); },
    [](Matrix m, const Matrix&) { DoGauss(m); },
    [](Matrix m, const Matrix&) { Lu(m); },
    [](Matrix m, const Matrix&) { Discard(GetLowerLu(m), GetUpperLu(m)); },
    [](Matrix m, const Matrix&) { GetGaussJSolVec(Matrix(m), m); },
    [](Matrix m, const Matrix&) { GetLuSolVec(Matrix(m), m); },
    [](Matrix m, const Matrix&) { Characteristic(m); },
    [](Matrix m, const Matrix&) { Companion2(m); },
    [](Matrix m, const Matrix&) { Power(m, 3); },
    [](Matrix m, const Matrix&) { CPower(m, 3); },
    [](Matrix m, const Matrix&) { Power(m, 0); },
    [](Matrix m, const Matrix&) { Power(m, -2); },
    [](Matrix m, const Matrix&) { CPower(m, 0); },
    [](Matrix m, const Matrix&) { CPower(m, -2); },
    [](Matrix m, const Matrix& o) { Discard(Kron(m, o), BlockDiagonal(m, o), Kron(o, m)); },
    [](Matrix m, const Matrix& o) { VectorCrossProd(m, o); },
    [](Matrix m, const Matrix&) { CInv(m); },
    [](Matrix m, const Matrix&) { Discard(CHTranspose(m), Conjugate(m), CDiagProd(m), CTr(m)); },
    [](Matrix m, const Matrix&) { CMatMul(m, m); },
    [](Matrix m, const Matrix&) { Discard(GetDualReal(m), GetDualImag(m)); },
    [](Matrix m, const Matrix&) { MakeDualMatrix(m, m); },
    [](Matrix m, const Matrix&) { CplxToComposite(m); },
    [](Matrix m, const Matrix&) { DeCompositeToCplx(m); },
    [](Matrix m, const Matrix&) { Flip(m); },
    [](Matrix m, const Matrix&) { Flop(m); },
    [](Matrix m, const Matrix&) { SquareRoot(m); },
    [](Matrix m, const Matrix&) { QuickSort(m); },
    [](Matrix m, const Matrix&) { SortRow(m); },
    [](Matrix m, const Matrix&) { Shape(m, 2); },
    [](Matrix m, const Matrix&) { Truncate(m, 3); },
    [](Matrix m, const Matrix&) { Srow(m, 1, 2); },
    [](Matrix m, const Matrix&) { SetRowOrder(m, m.Nrows() > 0 ? Matrix(m.Column(1)) : m); },
    [](Matrix m, const Matrix&) { Eigenvalues(m); },
    [](Matrix m, const Matrix&) { Jacobi(m); },
    [](Matrix m, const Matrix&) { Series(&expMatrix, m, 1e-7); },
    [](Matrix m, const Matrix&) { Series(&sinMatrix, m, 1e-7); },
    [](Matrix m, const Matrix&) { Series(&cosMatrix, m, 1e-7); },
};

} // namespace

TEST(AnyShape, NoRoutineCrashes) {
    const Matrix inputs[] = {
        Matrix(),
        Matrix(0, 3),
        Mat({{2.5}}),
        Mat({{0}}),
        Mat({{1, 2, 3, 4}}),
        Mat({{1}, {2}, {3}}),
        Mat({{1, 2}, {3, 4}}),
        Mat({{0, 0}}),
        Mat({{1, 2, NAN, 4}, {5, 6, 7, 8}}),
        Mat({{1, 2, 3}, {4, 5, 6}}),
        Mat({{1, NAN}, {3, 4}}),
        Mat({{INFINITY, 1, 0}, {1, 2, 3}, {0, 3, -INFINITY}}),
        Mat({{1e308, -1e308}, {1e-308, 1e308}}),
    };
    const Matrix other = Mat({{1, 2, 3}});
    for (const Matrix& input : inputs) {
        SCOPED_TRACE(testing::Message() << input.Nrows() << "x" << input.Ncols());
        for (const Call call : kCalls) {
            try {
                call(input, other);
            } catch (const ztmath::MathError&) {
            } catch (const RBD_COMMON::BaseException&) {
            }
        }
    }
}
