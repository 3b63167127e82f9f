// Every routine on every awkward shape: each must return or raise its error,
// never crash or touch memory outside a matrix (run under the sanitizers).

#include "tests/matrixlib/matrix_checks.h"

#include <functional>

namespace {

// Evaluates its arguments and drops the results.
template <class... T> void Discard(const T&...) {}

// Each call gets its own copy of the input, so in-place routines may wreck it.
using Call = std::function<void(Matrix m, const Matrix& other)>;

const std::vector<Call>& Calls() {
    static const std::vector<Call> calls = {
        [](Matrix m, const Matrix& o) {
            Discard(Exist(m), Square(m), Symmetric(m), SkewSymmetric(m), Singular(m),
                    PositiveDefinite(m), Orthogonal(m), Stochastic(m), IsVector(m),
                    IsComposite(m), DimCmp(m, o), OnTestHermitian(m, 1e-8),
                    OnTestUnitary(m, 1e-8));
        },
        [](Matrix m, const Matrix&) { Rank(m); },
        [](Matrix m, const Matrix&) { Discard(Condition(m), Tr(m), RNorm(m)); },
        [](Matrix m, const Matrix& o) { VectorDotProd(m, o); },
        [](Matrix m, const Matrix&) { DoGauss(m); },
        [](Matrix m, const Matrix&) {
            RowVector index;
            int parity = 0;
            LuDcmp(m, index, parity);
        },
        [](Matrix m, const Matrix&) { Discard(GetLowerLu(m), GetUpperLu(m)); },
        [](Matrix m, const Matrix&) { GetGaussJSolVec(Matrix(m), m); },
        [](Matrix m, const Matrix&) { GetLuSolVec(Matrix(m), m); },
        [](Matrix m, const Matrix&) { Characteristic(m); },
        [](Matrix m, const Matrix&) { Companion2(m); },
        [](Matrix m, const Matrix&) {
            for (int e : {0, 3, -2})
                Discard(Power(m, e));
        },
        [](Matrix m, const Matrix&) {
            for (int e : {0, 3, -2})
                Discard(CPower(m, e));
        },
        [](Matrix m, const Matrix& o) { Discard(Kron(m, o), BlockDiagonal(m, o), Kron(o, m)); },
        [](Matrix m, const Matrix& o) { VectorCrossProd(m, o); },
        [](Matrix m, const Matrix&) { CInv(m); },
        [](Matrix m, const Matrix&) { Discard(CHTranspose(m), Conjugate(m), CDiagProd(m), CTr(m)); },
        [](Matrix m, const Matrix&) { CMatMul(m, m); },
        [](Matrix m, const Matrix&) { Discard(GetDualReal(m), GetDualImag(m)); },
        [](Matrix m, const Matrix&) { MakeDualMatrix(m, m); },
        [](Matrix m, const Matrix&) { CplxToComposite(m); },
        [](Matrix m, const Matrix&) { DeCompositeToCplx(m); },
        [](Matrix m, const Matrix&) {
            Flip(m);
            Flop(m);
            SquareRoot(m);
            QuickSort(m);
            SortRow(m);
            Shape(m, 2);
            Truncate(m, 3);
        },
        [](Matrix m, const Matrix&) { Srow(m, 1, 2); },
        [](Matrix m, const Matrix&) {
            SetRowOrder(m, m.Nrows() > 0 ? Matrix(m.Column(1)) : Matrix());
        },
        [](Matrix m, const Matrix&) {
            ColumnVector wr, wi;
            balanc(m);
            elmhes(m);
            hqr(m, wr, wi);
        },
        [](Matrix m, const Matrix&) {
            ColumnVector d;
            Matrix V;
            int rotations = 0;
            jacobi(m, d, V, rotations);
        },
        [](Matrix m, const Matrix&) {
            int count = 0;
            for (auto f : {&expMatrix, &sinMatrix, &cosMatrix}) {
                Matrix x = m;
                f(x, 1e-7, count);
            }
        },
    };
    return calls;
}

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
        Mat({{1, 2, 3}, {4, 5, 6}}),
        Mat({{1, NAN}, {3, 4}}),
        Mat({{INFINITY, 1, 0}, {1, 2, 3}, {0, 3, -INFINITY}}),
        Mat({{1e308, -1e308}, {1e-308, 1e308}}),
    };
    const Matrix other = Mat({{1, 2, 3}});
    for (const Matrix& input : inputs) {
        SCOPED_TRACE(testing::Message() << input.Nrows() << "x" << input.Ncols());
        for (const Call& call : Calls()) {
            try {
                call(input, other);
            } catch (const ztmath::MathError&) {
            } catch (const RBD_COMMON::BaseException&) {
            }
        }
    }
}
