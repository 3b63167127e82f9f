#include "calculator/calculator_dlg.h"

namespace {

using Dlg = CCalculatorDlg;

// A key that runs one member without arguments. The numbered keys and the
// switches are written out in Press.
struct PlainKey {
    CalculatorKey key;
    void (Dlg::*run)();
};

} // namespace

void CCalculatorDlg::Press(CalculatorKey key, int number) {
    switch (key) {
    case CalculatorKey::Character: return InsertKey(static_cast<char>(number));
    case CalculatorKey::FormatFixed: return OnFormatFixed(number);
    case CalculatorKey::FormatExponential: return OnFormatExponential(number);
    case CalculatorKey::FormatTruncate: return OnFormatTruncate(number);
    case CalculatorKey::KeyboardEntryOn: return SetKeyboardEntry(true);
    case CalculatorKey::KeyboardEntryOff: return SetKeyboardEntry(false);
    case CalculatorKey::DragDropOn: return SetDragDrop(true);
    case CalculatorKey::DragDropOff: return SetDragDrop(false);
    case CalculatorKey::ToolTipsOn: return EnableToolTips(true);
    case CalculatorKey::ToolTipsOff: return EnableToolTips(false);
    default: break;
    }
    static constexpr PlainKey kPlainKeys[] = {
        {CalculatorKey::Add, &Dlg::OnAdd},
        {CalculatorKey::Subtract, &Dlg::OnSubtract},
        {CalculatorKey::Multiply, &Dlg::OnMultiply},
        {CalculatorKey::Divide, &Dlg::OnDivide},
        {CalculatorKey::Power, &Dlg::OnPower},
        {CalculatorKey::Equals, &Dlg::OnEquals},
        {CalculatorKey::Sign, &Dlg::OnSign},
        {CalculatorKey::Absolute, &Dlg::OnAbsolute},
        {CalculatorKey::Integer, &Dlg::OnInteger},
        {CalculatorKey::Inverse, &Dlg::OnInverse},
        {CalculatorKey::Transpose, &Dlg::OnTranspose},
        {CalculatorKey::NextRow, &Dlg::InsertNextRow},
        {CalculatorKey::Backspace, &Dlg::Backspace},
        {CalculatorKey::SetEntry, &Dlg::SetEntry},
        {CalculatorKey::Clear, &Dlg::ClearCalculator},
        {CalculatorKey::Parse, &Dlg::OnParse},
        {CalculatorKey::FormatDefault, &Dlg::OnFormatDefault},
        {CalculatorKey::AlignColumns, &Dlg::OnViewAlignColumns},
        {CalculatorKey::FormatFraction, &Dlg::OnFormatFraction},
        {CalculatorKey::DisplayDecimal, &Dlg::DisplayDecimal},
        {CalculatorKey::DisplayEngineering, &Dlg::DisplayEngineering},
        {CalculatorKey::DisplayHexadecimal, &Dlg::DisplayHexadecimal},
        {CalculatorKey::DisplayOctal, &Dlg::DisplayOctal},
        {CalculatorKey::RealMode, &Dlg::SetRealMode},
        {CalculatorKey::ComplexMode, &Dlg::SetComplexMode},
        {CalculatorKey::MultiplyScalar, &Dlg::SetMultiplyScalar},
        {CalculatorKey::MultiplyKronecker, &Dlg::SetMultiplyKronecker},
        {CalculatorKey::MultiplyMatrix, &Dlg::SetMultiplyMatrix},
        {CalculatorKey::MultiplySchur, &Dlg::SetMultiplySchur},
        {CalculatorKey::EditUndo, &Dlg::OnEditUndo},
        {CalculatorKey::EditCut, &Dlg::OnEditCut},
        {CalculatorKey::EditCopy, &Dlg::OnEditCopy},
        {CalculatorKey::EditPaste, &Dlg::OnEditPaste},
        {CalculatorKey::EditDelete, &Dlg::OnEditDelete},
        {CalculatorKey::EditSelectAll, &Dlg::OnEditSelectAll},
    };
    for (const PlainKey& plain : kPlainKeys)
        if (plain.key == key) return (this->*plain.run)();
}

void CCalculatorDlg::FocusDisplay() {
    Display().SetFocus();
}
