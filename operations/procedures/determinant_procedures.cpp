#include "operations/procedures/determinant_procedures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/exact_path.h"
#include "exact/exact_algebra.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::ColumnVector;
using NEWMAT::Matrix;

namespace {

const char* const kErrorCaption = "Error";
const char* const kComplexProcedureCaption = "Complex Procedure Error";
const char* const kDeterminantCaption = "Determinant Error";
const char* const kHermitianOnly = "Procedure only available for Hermitian matrices";
const char* const kSaveQuestion = "\n Save value to temporary register (t)?";
const char* const kDeterminantLabel = "   Determinant = ";
const char* const kTraceLabel = "   Trace = ";
const char* const kTraceUndefined = "Trace undefined for non-square matrix.";

constexpr double kHermitianTolerance = 1e-8;

Matrix ScaledBy(Matrix m, const ScaledProduct& factor) {
    NEWMAT::Real* element = m.Store();
    for (int k = 0; k < m.Storage(); ++k)
        element[k] = factor.Scale(element[k]);
    return m;
}

// newmat's determinant; the value is formed without the overflow exception of
// LogAndSign::Value, so a huge determinant is reported as infinity.
constexpr char kRealDeterminantCaption[] = "Determinant Test";
constexpr char kComplexDeterminantCaption[] = "Complex Matrix Determinant";

double RealDeterminant(const Matrix& m) {
    const NEWMAT::LogAndSign det = m.LogDeterminant();
    if (det.Sign() == 0) return 0.0;
    return det.Sign() * std::exp(det.LogValue());
}

// A determinant beyond the double range is no value to report or keep in t.
bool RefuseOverflow(Calculator& calculator, double det, const char* caption) {
    if (!std::isinf(det)) return false;
    calculator.Refuse("Determinant overflows", caption);
    return true;
}

// Exact under Fraction when the matrix reads exactly, with the notice of
// how it was computed.
double DeterminantWithNotice(Calculator& calculator, const Matrix& m) {
    if (const std::optional<RationalMatrix> exact = ExactOperand(calculator, m)) {
        const ExactResult<mpq_class> det = ExactDeterminant(*exact);
        if (det.IsDone()) {
            NoticeExact(calculator);
            return NearestDouble(det.value);
        }
    }
    NoticeFloatingPoint(calculator, AccuracyOf(m));
    return RealDeterminant(m);
}

bool Hermitian(const Matrix& m) {
    return OnTestHermitian(m, kHermitianTolerance) != 0;
}

} // namespace

// The library's adjugate refuses a matrix that its LU, by the one
// singularity rule, finds singular.
bool RealAdjugate(const Matrix& m, Matrix& adjugate) {
    if (!Square(m)) return false;
    try {
        adjugate = Adjugate(m);
    } catch (const ztmath::MathError&) {
        return false;
    }
    return true;
}

// The composite [Re −Im; Im Re] of a Hermitian matrix is real symmetric and
// holds each eigenvalue of the matrix twice. Sorted, the copies stand side by
// side, so each pair gives one factor, whatever order Jacobi found them in.
ScaledProduct HermitianDeterminant(const Matrix& m) {
    Matrix composite = CplxToComposite(m);
    const int size = composite.Nrows();
    ColumnVector eigenvalues(size);
    Matrix eigenvectors(size, size);
    int rotations = 0;
    jacobi(composite, eigenvalues, eigenvectors, rotations);
    std::vector<double> sorted(eigenvalues.Store(), eigenvalues.Store() + size);
    std::sort(sorted.begin(), sorted.end());
    ScaledProduct det;
    for (int k = 0; k + 1 < size; k += 2)
        det.MultiplyBy(sorted[k] / 2 + sorted[k + 1] / 2);
    return det;
}

// The inverse of the composite decides singularity by the same LU rule.
bool HermitianAdjugate(const Matrix& m, Matrix& adjugate) {
    Matrix inverse;
    try {
        inverse = CInv(m);
    } catch (const ztmath::MathError&) {
        return false;
    }
    // The determinant is real, so both halves of the inverse scale alike.
    adjugate = ScaledBy(inverse, HermitianDeterminant(m));
    return true;
}

void OnAdjugate(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (calculator.IsComplexMode() && !Hermitian(m)) {
            calculator.Host().MessageBox(kHermitianOnly, kComplexProcedureCaption,
                                         MB_OK | MB_ICONINFORMATION);
            return false;
        }
        Matrix adjugate;
        bool done = false;
        if (calculator.IsComplexMode()) {
            done = HermitianAdjugate(m, adjugate);
        } else if (const std::optional<RationalMatrix> exact = ExactOperand(calculator, m)) {
            const ExactResult<RationalMatrix> exactAdjugate = ExactAdjugate(*exact);
            NoticeExact(calculator);
            done = exactAdjugate.IsDone();
            if (done) adjugate = NearestDoubles(exactAdjugate.value);
        } else {
            done = RealAdjugate(m, adjugate);
            NoticeFloatingPoint(calculator);
        }
        if (!done) {
            calculator.Host().MessageBox("Singular or Non-Square Matrix", kErrorCaption, MB_OK);
            return false;
        }
        m = adjugate;
        return true;
    });
}

// Both report one value and offer to save it to the register t.
void OnDeterminant(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (calculator.IsComplexMode()) {
            if (!Hermitian(m)) {
                calculator.Host().MessageBox(kHermitianOnly, kDeterminantCaption,
                                             MB_OK | MB_ICONINFORMATION);
                return false;
            }
            const double det = HermitianDeterminant(m).Value();
            if (!RefuseOverflow(calculator, det, kComplexDeterminantCaption))
                ReportComplexValue(calculator, kDeterminantLabel, det, 0.0, kSaveQuestion,
                                   kComplexDeterminantCaption);
            return false;
        }
        if (!Square(m)) {
            calculator.Host().MessageBox("Determinant undefined for non-square matrix",
                                         kDeterminantCaption, MB_OK | MB_ICONINFORMATION);
            return false;
        }
        const double det = DeterminantWithNotice(calculator, m);
        if (!RefuseOverflow(calculator, det, kRealDeterminantCaption))
            ReportValue(calculator, kDeterminantLabel, det, kSaveQuestion, kRealDeterminantCaption);
        return false;
    });
}

void OnTrace(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        const bool complex = calculator.IsComplexMode();
        const bool square = complex ? 2 * m.Nrows() == m.Ncols() : Square(m) != 0;
        if (!square) {
            calculator.Host().MessageBeep(kBeepDefault);
            calculator.Host().MessageBox(kTraceUndefined, kErrorCaption, MB_OK);
            return false;
        }
        if (complex) {
            const Matrix trace = CTr(m);
            ReportComplexValue(calculator, kTraceLabel, trace(1, 1), trace(1, 2), kSaveQuestion,
                               "Complex Matrix Trace");
        } else {
            ReportValue(calculator, kTraceLabel, Tr(m), kSaveQuestion, "Real Matrix Trace");
        }
        return false;
    });
}

std::span<const NamedCommand> DeterminantProceduresCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Determinant", OnDeterminant},
        {"Trace", OnTrace},
        {"Adjugate", OnAdjugate},
    };
    return kCommands;
}
