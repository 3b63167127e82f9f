// Every routine on every awkward shape: each must return or raise its error,
// never crash or touch memory outside a matrix (run under the sanitizers).

#include "tests/matrixlib/matrix_checks.h"

#include <functional>

namespace {

std::vector<Matrix> AwkwardInputs() {
    std::vector<Matrix> out;
    out.push_back(Matrix());
    out.push_back(Matrix(0, 3));
    out.push_back(Mat({{2.5}}));
    out.push_back(Mat({{0}}));
    out.push_back(Mat({{1, 2, 3, 4}}));
    out.push_back(Mat({{1}, {2}, {3}}));
    out.push_back(Mat({{1, 2}, {3, 4}}));
    out.push_back(Mat({{1, 2, 3}, {4, 5, 6}}));
    out.push_back(Mat({{1, NAN}, {3, 4}}));
    out.push_back(Mat({{INFINITY, 1, 0}, {1, 2, 3}, {0, 3, -INFINITY}}));
    out.push_back(Mat({{1e308, -1e308}, {1e-308, 1e308}}));
    return out;
}

// Evaluates its arguments and drops the results.
template <class... T> void Discard(const T&...) {}

// Runs f, accepting the library's error and newmat's exceptions.
void Survives(const std::function<void()>& f) {
    try {
        f();
    } catch (const ztmath::MathError&) {
    } catch (const RBD_COMMON::BaseException&) {
    }
}

} // namespace

TEST(AnyShape, NoRoutineCrashes) {
    for (const Matrix& input : AwkwardInputs()) {
        SCOPED_TRACE(testing::Message() << input.Nrows() << "x" << input.Ncols());
        const Matrix other = Mat({{1, 2, 3}});
        Survives([&] {
            Discard(Exist(input), Square(input), Symmetric(input), SkewSymmetric(input),
                    Singular(input), PositiveDefinite(input), Orthogonal(input), Stochastic(input),
                    IsVector(input), IsComposite(input), DimCmp(input, other),
                    OnTestHermitian(input, 1e-8), OnTestUnitary(input, 1e-8));
        });
        Survives([&] { Rank(input); });
        Survives([&] { Condition(input); });
        Survives([&] { Discard(Tr(input), RNorm(input)); });
        Survives([&] { VectorDotProd(input, other); });
        Survives([&] {
            Matrix m = input;
            DoGauss(m);
        });
        Survives([&] {
            Matrix m = input;
            RowVector index;
            int parity = 0;
            LuDcmp(m, index, parity);
        });
        Survives([&] { Discard(GetLowerLu(input), GetUpperLu(input)); });
        Survives([&] {
            Matrix b = input;
            GetGaussJSolVec(input, b);
        });
        Survives([&] {
            Matrix b = input;
            GetLuSolVec(input, b);
        });
        Survives([&] { Characteristic(input); });
        Survives([&] { Companion2(input); });
        for (int e : {-2, 0, 3}) {
            Survives([&] { Power(input, e); });
            Survives([&] { CPower(input, e); });
        }
        Survives(
            [&] { Discard(Kron(input, other), BlockDiagonal(input, other), Kron(other, input)); });
        Survives([&] { VectorCrossProd(input, other); });
        Survives([&] { CInv(input); });
        Survives(
            [&] { Discard(CHTranspose(input), Conjugate(input), CDiagProd(input), CTr(input)); });
        Survives([&] { CMatMul(input, input); });
        Survives(
            [&] { Discard(GetDualReal(input), GetDualImag(input), MakeDualMatrix(input, input)); });
        Survives([&] { CplxToComposite(input); });
        Survives([&] { DeCompositeToCplx(input); });
        Survives([&] {
            Matrix m = input;
            Flip(m);
            Flop(m);
            SquareRoot(m);
            QuickSort(m);
            SortRow(m);
            Shape(m, 2);
            Truncate(m, 3);
        });
        Survives([&] {
            Matrix m = input;
            Srow(m, 1, 2);
        });
        Survives([&] {
            Matrix m = input;
            SetRowOrder(m, input.Nrows() > 0 ? Matrix(input.Column(1)) : Matrix());
        });
        Survives([&] {
            Matrix m = input;
            ColumnVector wr, wi;
            balanc(m);
            elmhes(m);
            hqr(m, wr, wi);
        });
        Survives([&] {
            Matrix m = input;
            ColumnVector d;
            Matrix V;
            int rotations = 0;
            jacobi(m, d, V, rotations);
        });
        for (auto f : {&expMatrix, &sinMatrix, &cosMatrix})
            Survives([&] {
                Matrix m = input;
                int count = 0;
                f(m, 1e-7, count);
            });
    }
}
