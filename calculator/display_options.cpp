// How the current matrix is written: the Format popup, the radix and the
// real or complex mode.

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"

namespace {

constexpr int kDefaultWidth = 4;
constexpr int kDefaultDecimals = 2;
constexpr int kEngineeringDecimals = 2;
constexpr int kDecimalRadix = 10;
constexpr int kHexadecimalRadix = 16;
constexpr int kOctalRadix = 8;

} // namespace

bool CCalculatorDlg::IsComplexMode() const {
    return complexMode_;
}
int CCalculatorDlg::Width() const {
    return width_;
}
int CCalculatorDlg::Decimals() const {
    return decimals_;
}
int CCalculatorDlg::TruncationDigits() const {
    return truncationDigits_;
}
int CCalculatorDlg::Radix() const {
    return radix_;
}
bool CCalculatorDlg::ExponentFlag() const {
    return exponentFlag_;
}
NumberFormat CCalculatorDlg::FormatInForce() const {
    return format_;
}
// The Decimal box always shows the decimals in force.
void CCalculatorDlg::SetDecimals(int decimals) {
    decimals_ = decimals;
    WriteDecimalControls(decimals);
}
void CCalculatorDlg::SetExponentFlag(bool on) {
    exponentFlag_ = on;
}

void CCalculatorDlg::SetRadix(int radix) {
    radix_ = radix;
    UpdateStatusLine(status::Radix, status::Unused);
}

void CCalculatorDlg::WriteDecimalControls(int decimals) {
    DecimalBox().SetText(std::to_string(decimals));
    DecimalSpin().SetValue(decimals);
}

void CCalculatorDlg::WriteWidthControls(int width) {
    WidthBox().SetText(std::to_string(width));
    WidthSpin().SetValue(width);
}

void CCalculatorDlg::SetRealMode() {
    complexMode_ = false;
    UpdateStatusLine(status::Mode, status::RealMode);
    ShowCurrentMatrix();
}

void CCalculatorDlg::SetComplexMode() {
    complexMode_ = true;
    UpdateStatusLine(status::Mode, status::ComplexMode);
    ShowCurrentMatrix();
}

void CCalculatorDlg::OnFormatDefault() {
    WriteDecimalControls(kDefaultDecimals);
    WriteWidthControls(kDefaultWidth);
    decimals_ = kDefaultDecimals;
    width_ = kDefaultWidth;
    exponentFlag_ = false;
    format_ = NumberFormat::Default;
    ShowCurrentMatrix();
}

void CCalculatorDlg::OnFormatFixed(int decimals) {
    WriteDecimalControls(decimals);
    decimals_ = decimals;
    exponentFlag_ = false;
    format_ = NumberFormat::Fixed;
    ShowCurrentMatrix();
}

void CCalculatorDlg::OnFormatExponential(int decimals) {
    WriteDecimalControls(decimals);
    decimals_ = decimals;
    exponentFlag_ = true;
    format_ = NumberFormat::Exponential;
    ShowCurrentMatrix();
}

// Fractions are written in decimal; the width keeps its setting.
void CCalculatorDlg::OnFormatFraction() {
    exponentFlag_ = false;
    format_ = NumberFormat::Fraction;
    if (radix_ != kDecimalRadix) SetRadix(kDecimalRadix);
    ShowCurrentMatrix();
}

void CCalculatorDlg::OnFormatTruncate(int digits) {
    truncationDigits_ = digits;
    NEWMAT::Matrix m = GetCurrentMatrix();
    Truncate(m, digits);
    SetCurrentMatrix(m);
    ShowCurrentMatrix();
}

// Typed text is the user's and keeps its blanks; a set matrix is redrawn.
void CCalculatorDlg::OnViewAlignColumns() {
    alignColumns_ = !alignColumns_;
    if (IsSetState()) ShowCurrentMatrix();
}

void CCalculatorDlg::DisplayDecimal() {
    SetRadix(kDecimalRadix);
    OnFormatFixed(kDefaultDecimals);
}

void CCalculatorDlg::DisplayEngineering() {
    SetRadix(kDecimalRadix);
    OnFormatExponential(kEngineeringDecimals);
}

void CCalculatorDlg::DisplayHexadecimal() {
    DisplayIntegersInRadix(kHexadecimalRadix);
}
void CCalculatorDlg::DisplayOctal() {
    DisplayIntegersInRadix(kOctalRadix);
}

void CCalculatorDlg::DisplayIntegersInRadix(int radix) {
    WriteDecimalControls(0);
    decimals_ = 0;
    exponentFlag_ = false;
    format_ = NumberFormat::Fixed;
    SetRadix(radix);
    ShowCurrentMatrix();
}
