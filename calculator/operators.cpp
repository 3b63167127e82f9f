// The operator keys: one-operand operators act at once, two-operand ones
// remember the current matrix and finish at "=".

#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "archive/packed_matrix.h"

#include "calculator/calculator_dlg.h"
#include "calculator/exact_operators.h"
#include "calculator/exact_path.h"
#include "exact/accuracy.h"
#include "matrixlib/elements.h"
#include "matrixlib/lu_factors.h"
#include "matrixlib/matrix_move.h"
#include "matrixlib/ztmath.h"

using NEWMAT::Matrix;

namespace {

constexpr char kError[] = "Error";
constexpr char kComplexInverseError[] = "Complex Inverse Error";
constexpr char kNonSquare[] = "Non-Square Matrix";
constexpr char kSingular[] = "Singular Matrix";
constexpr char kPowerLabel[] = "Power:";
constexpr char kPowerError[] = "Power Error";
constexpr char kWholePowerOnly[] = "The power must be a whole number";

struct Cue {
    const char* add = "\n\t+";
    const char* subtract = "\n\t-";
    const char* multiply = "\n\t*";
    const char* divide = "\n\t/";
} constexpr kCue;

// The power typed at the prompt: an empty answer is 0 (the identity), a
// whole number in the int range is itself, anything else is refused.
std::optional<int> WholePower(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return 0;
    const char* start = text.c_str() + first;
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end == start || std::string_view(end).find_first_not_of(" \t") != std::string_view::npos)
        return std::nullopt;
    if (!(value >= INT_MIN && value <= INT_MAX) || value != std::trunc(value)) return std::nullopt;
    return static_cast<int>(value);
}

bool SameShape(const Matrix& a, const Matrix& b) {
    return a.Nrows() == b.Nrows() && a.Ncols() == b.Ncols();
}

// The inverse of a square matrix from one LU, nothing when it is singular,
// and how far that LU says the inverse can be trusted. A complex matrix is
// inverted through its composite, which is singular exactly when the
// complex matrix is.
struct FloatInverse {
    std::optional<Matrix> inverse;
    Accuracy accuracy;
};

FloatInverse InverseUnlessSingular(const Matrix& m, bool complex) {
    const Matrix composite = complex ? CplxToComposite(m) : Matrix();
    const ztmath::detail::LuFactors lu(complex ? composite : m);
    FloatInverse result{std::nullopt, AccuracyOfFactors(lu)};
    if (lu.Singular()) return result;
    Matrix inverse = complex ? DeCompositeToCplx(lu.Inverse()) : lu.Inverse();
    result.inverse.emplace();
    MoveMatrix(*result.inverse, inverse);
    return result;
}

// Each complex element of the dual matrix a times the complex scalar c.
Matrix ComplexScale(const Matrix& a, FCOMPLEX c) {
    Matrix result = a;
    const int n = a.Ncols() / 2;
    for (int i = 1; i <= a.Nrows(); ++i) {
        for (int j = 1; j <= n; ++j) {
            const FCOMPLEX product = Cmul(Complex(a(i, j), a(i, j + n)), c);
            result(i, j) = product.r;
            result(i, j + n) = product.i;
        }
    }
    return result;
}

} // namespace

// ---- Two-operand operators

void CCalculatorDlg::BeginTwoOperand(PendingOperation operation, const char* cue) {
    pending_[static_cast<int>(operation)] = true;
    if (!HasCurrentMatrix()) {
        Display().SetFocus();
        return;
    }
    firstOperand_ = current_;
    if (cue) {
        SetDisplayText(cue);
        Display().SetFocus();
    }
}

// Every cue starts with a line break and a tab. No matrix text holds a tab
// (SE refuses it), so such a text is a cue, or what Backspace left of one.
// The line break may have come back from the display as CR LF.
bool CCalculatorDlg::ShowsOperatorCue() const {
    const std::size_t tab = entryText_.find_first_not_of("\r\n");
    return tab > 0 && tab != std::string::npos && entryText_[tab] == '\t';
}

void CCalculatorDlg::ClearPending() {
    for (bool& flag : pending_)
        flag = false;
    ClearCalculator();
}

// The matrix the user brought as second operand is kept, shown as set, so
// that it can be corrected instead of typed again.
void CCalculatorDlg::AbandonPending() {
    for (bool& flag : pending_)
        flag = false;
    Display().SetForeColor(kSetColor);
    ShowCurrentMatrix();
    MoveFocusByEntryState();
}

void CCalculatorDlg::OnAdd() {
    BeginTwoOperand(PendingOperation::Add, kCue.add);
}
void CCalculatorDlg::OnSubtract() {
    BeginTwoOperand(PendingOperation::Subtract, kCue.subtract);
}
void CCalculatorDlg::OnDivide() {
    BeginTwoOperand(PendingOperation::Divide, kCue.divide);
}

void CCalculatorDlg::OnMultiply() {
    BeginTwoOperand(PendingOperation::Multiply, kCue.multiply);
    if (!HasCurrentMatrix()) return;
    commands_.ShowCommandList(*this, MultiplyMode);
    MoveFocusByEntryState();
}

void CCalculatorDlg::SetMultiplyScalar() {
    SetMultiply(MultiplyKind::Scalar);
}
void CCalculatorDlg::SetMultiplyKronecker() {
    SetMultiply(MultiplyKind::Kronecker);
}
void CCalculatorDlg::SetMultiplyMatrix() {
    SetMultiply(MultiplyKind::Matrix);
}
void CCalculatorDlg::SetMultiplySchur() {
    SetMultiply(MultiplyKind::Schur);
}
MultiplyKind CCalculatorDlg::GetMultiplyMode() const {
    return multiplyMode_;
}

void CCalculatorDlg::SetMultiply(MultiplyKind mode) {
    multiplyMode_ = mode;
    UpdateStatusLine(status::Multiply, static_cast<int>(mode));
}

// ---- "="

void CCalculatorDlg::OnEquals() {
    secondOperand_ = current_;
    Matrix a = UnpackMatrix(firstOperand_);
    Matrix b = UnpackMatrix(secondOperand_);
    if (!Exist(a) || !Exist(b)) {
        ClearPending();
        return;
    }
    for (int index = 0; index < kPendingOperationCount; ++index) {
        if (!pending_[index]) continue;
        const auto operation = static_cast<PendingOperation>(index);
        Matrix result;
        EqualsOutcome outcome = EqualsOutcome::Failed;
        try {
            outcome = Combine(operation, a, b, result);
        } catch (...) {
            // Reported by the command frame; the operands stay as for any
            // "=" that cannot finish.
            AbandonPending();
            throw;
        }
        if (outcome == EqualsOutcome::Skipped) continue;
        if (outcome == EqualsOutcome::Failed) return;
        SetCurrentMatrix(result);
        ShowCurrentMatrix();
        a.CleanUp();
        b.CleanUp();
        pending_[index] = false;
        if (operation == PendingOperation::Multiply) commands_.ShowCommandList(*this, Tests);
        return;
    }
}

EqualsOutcome CCalculatorDlg::Fail(const char* text, const char* caption, unsigned icon,
                                   bool refillTests) {
    ShowError(text, caption, icon);
    if (refillTests) commands_.ShowCommandList(*this, Tests);
    AbandonPending();
    return EqualsOutcome::Failed;
}

EqualsOutcome CCalculatorDlg::Combine(PendingOperation operation, const Matrix& a, const Matrix& b,
                                      Matrix& result) {
    switch (operation) {
    case PendingOperation::Add:
    case PendingOperation::Subtract:
        if (!SameShape(a, b)) return Fail("Incompatible matrices", kError, 0, false);
        if (const auto exact = ExactCombination(*this, operation, a, b))
            return TakeExact(*exact, result);
        result = operation == PendingOperation::Add ? Matrix(a + b) : Matrix(a - b);
        NoticeFloatingPoint(*this);
        return EqualsOutcome::Done;
    case PendingOperation::Multiply:
        return complexMode_ ? MultiplyComplex(a, b, result) : MultiplyReal(a, b, result);
    case PendingOperation::Divide: {
        if (a.Ncols() != b.Nrows()) {
            // The division stays pending with its first operand.
            ShowError("Quotient not defined", kError, 0);
            return EqualsOutcome::Failed;
        }
        if (!Square(b)) return Fail(kNonSquare, kError, 0, false);
        if (const auto exact = ExactCombination(*this, operation, a, b))
            return TakeExact(*exact, result);
        const FloatInverse inverse = InverseUnlessSingular(b, false);
        NoticeFloatingPoint(*this, inverse.accuracy);
        if (!inverse.inverse) return Fail(kSingular, kError, 0, false);
        result = MatMul(a, *inverse.inverse);
        return EqualsOutcome::Done;
    }
    default:
        break;
    }
    // The rest were begun by procedures, which finish them.
    const EqualsOutcome outcome = commands_.FinishPending(*this, operation, a, b, result);
    if (outcome == EqualsOutcome::Failed) AbandonPending();
    return outcome;
}

EqualsOutcome CCalculatorDlg::TakeExact(const ExactResult<Matrix>& exact, Matrix& result) {
    if (!exact.IsDone()) return Fail(kSingular, kError, 0, false);
    result = exact.value;
    return EqualsOutcome::Done;
}

EqualsOutcome CCalculatorDlg::MultiplyReal(const Matrix& a, const Matrix& b, Matrix& result) {
    switch (multiplyMode_) {
    case MultiplyKind::Matrix:
        if (a.Ncols() != b.Nrows()) return Fail("Product not defined", kError, 0, true);
        if (const auto exact = ExactCombination(*this, PendingOperation::Multiply, a, b))
            return TakeExact(*exact, result);
        result = MatMul(a, b);
        break;
    case MultiplyKind::Scalar:
        if (b.Nrows() > 1 || b.Ncols() > 1)
            return Fail("Multiplier not a scalar", "Scalar Multiplication Error", 0, true);
        result = a * b(1, 1);
        break;
    case MultiplyKind::Kronecker:
        result = Kron(a, b);
        break;
    case MultiplyKind::Schur:
        if (!SameShape(a, b)) return Fail("Incompatible matrix", kError, 0, true);
        result = SP(a, b);
        break;
    }
    NoticeFloatingPoint(*this);
    return EqualsOutcome::Done;
}

EqualsOutcome CCalculatorDlg::MultiplyComplex(const Matrix& a, const Matrix& b, Matrix& result) {
    switch (multiplyMode_) {
    case MultiplyKind::Matrix:
        if (a.Ncols() / 2 != b.Nrows()) return Fail("Product not defined", kError, 0, false);
        result = CMatMul(a, b);
        return EqualsOutcome::Done;
    case MultiplyKind::Scalar: {
        if (b.Nrows() > 1 || b.Ncols() > 2)
            return Fail("Multiplier not a complex scalar", "Complex Scalar Multiplication Error", 0,
                        true);
        // A 1 x 1 multiplier is a real number: its imaginary part is 0.
        const double imaginary = b.Ncols() == 2 ? b(1, 2) : 0.0;
        result = ComplexScale(a, Complex(b(1, 1), imaginary));
        return EqualsOutcome::Done;
    }
    case MultiplyKind::Kronecker:
    case MultiplyKind::Schur:
        break; // no complex form: the multiplication stays pending
    }
    return EqualsOutcome::Skipped;
}

// ---- One-operand operators

void CCalculatorDlg::OnSign() {
    ApplyToCurrent([](Matrix& m) { m = m * -1.0; });
}

void CCalculatorDlg::OnAbsolute() {
    ApplyToCurrent([](Matrix& m) { ApplyToElements(m, [](double x) { return std::fabs(x); }); });
}

void CCalculatorDlg::OnInteger() {
    Matrix m = GetCurrentMatrix();
    if (!Exist(m)) {
        MoveFocusByEntryState();
        return;
    }
    TruncateElements(m);
    decimals_ = 0;
    SetCurrentMatrix(m);
    ShowCurrentMatrix();
    WriteDecimalControls(0);
    MoveFocusByEntryState();
}

void CCalculatorDlg::OnTranspose() {
    ApplyToCurrent([this](Matrix& m) {
        if (!complexMode_) {
            m = m.t();
            return;
        }
        const int n = m.Ncols() / 2;
        if (n == 0) return; // a single column holds no complex element
        const Matrix re = m.Columns(1, n);
        const Matrix im = m.Columns(n + 1, 2 * n);
        m = re.t() | (im.t() * -1.0);
    });
}

void CCalculatorDlg::OnInverse() {
    Matrix m = GetCurrentMatrix();
    if (Exist(m)) {
        const char* caption = complexMode_ ? kComplexInverseError : kError;
        const bool square = complexMode_ ? m.Nrows() == m.Ncols() / 2 : Square(m) != 0;
        if (!square) {
            ShowError(kNonSquare, caption, 0);
        } else if (const auto exact = ExactInverseOf(*this, m)) {
            if (exact->IsDone()) {
                SetCurrentMatrix(exact->value);
                ShowCurrentMatrix();
            } else {
                ShowError(kSingular, caption, 0);
            }
        } else {
            // A singular matrix shows its condition too: infinite, or past the rule's bound.
            const FloatInverse inverse = InverseUnlessSingular(m, complexMode_);
            NoticeFloatingPoint(*this, inverse.accuracy);
            if (inverse.inverse) {
                SetCurrentMatrix(*inverse.inverse);
                ShowCurrentMatrix();
            } else {
                ShowError(kSingular, caption, 0);
            }
        }
    }
    MoveFocusByEntryState();
}

void CCalculatorDlg::OnPower() {
    Matrix m = GetCurrentMatrix();
    if (Exist(m)) {
        const bool square = complexMode_ ? m.Nrows() == m.Ncols() / 2 : m.Nrows() == m.Ncols();
        if (!square) {
            Refuse(kNonSquare, kError);
            return;
        }
        const std::optional<int> exponent = WholePower(PromptText(kPowerLabel));
        if (!exponent) {
            Refuse(kWholePowerOnly, kPowerError);
            return;
        }
        host_.MessageBeep(kBeepDefault);
        SetCurrentMatrix(complexMode_ ? CPower(m, *exponent) : Power(m, *exponent));
        ShowCurrentMatrix();
    }
    MoveFocusByEntryState();
}

void CCalculatorDlg::ApplyToCurrent(const std::function<void(Matrix&)>& operation) {
    Matrix m = GetCurrentMatrix();
    if (Exist(m)) {
        operation(m);
        SetCurrentMatrix(m);
        ShowCurrentMatrix();
    }
    MoveFocusByEntryState();
}
