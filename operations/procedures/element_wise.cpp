#include "operations/procedures/element_wise.h"

#include <cmath>

#include "calculator/calculator_dlg.h"
#include "matrixlib/elements.h"
#include "operations/procedures/procedure_frame.h"

namespace {

const char* const kDivideByZeroText = "Attempt to divide by zero";
const char* const kReciprocalCaption = "Reciprocal Error";

void RunElementWise(CCalculatorDlg& dlg, double (*f)(double)) {
    RunProcedure(dlg, ComplexSupport::Supported, [f](NEWMAT::Matrix& m) {
        ApplyToElements(m, f);
        return true;
    });
}

} // namespace

void OnElementSin(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::sin(x); });
}
void OnElementCos(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::cos(x); });
}
void OnElementTan(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::tan(x); });
}
void OnElementArcsin(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::asin(x); });
}
void OnElementArccos(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::acos(x); });
}
void OnElementArctan(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::atan(x); });
}
void OnElementExp(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::exp(x); });
}
// x to the tenth power: x is the base, 10 the exponent.
void OnElementExp10(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::pow(x, 10.0); });
}
// A zero gives -infinity like any other pole of the logarithm.
void OnElementLog(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::log(x); });
}
void OnElementLog10(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::log10(x); });
}
void OnElementSquareRoot(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::sqrt(x); });
}
void OnElementNegative(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return x * -1.0; });
}
void OnElementAbsolute(CCalculatorDlg& dlg) {
    RunElementWise(dlg, [](double x) { return std::fabs(x); });
}

void OnElementReciprocal(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](NEWMAT::Matrix& m) {
        NEWMAT::Real* element = m.Store();
        const int count = m.Storage();
        for (int k = 0; k < count; ++k) {
            if (element[k] == 0.0) {
                dlg.Refuse(kDivideByZeroText, kReciprocalCaption);
                return false;
            }
            element[k] = 1.0 / element[k];
        }
        return true;
    });
}

void OnElementInteger(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](NEWMAT::Matrix& m) {
        TruncateElements(m);
        dlg.SetDecimals(0);
        return true;
    });
}

void OnElementToDegrees(CCalculatorDlg& dlg) {
    RunElementWise(dlg, DegreesFromRadians);
}

void OnElementToRadians(CCalculatorDlg& dlg) {
    RunElementWise(dlg, RadiansFromDegrees);
}

std::span<const NamedCommand> ElementWiseCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Element:Arccos", OnElementArccos},
        {"Element:Arcsin", OnElementArcsin},
        {"Element:Arctan", OnElementArctan},
        {"Element:Cos", OnElementCos},
        {"Element:Reciprocal", OnElementReciprocal},
        {"Element:Sin", OnElementSin},
        {"Element:Tan", OnElementTan},
        {"Element:Square Root", OnElementSquareRoot},
        {"Element:Negative", OnElementNegative},
        {"Element:Absolute", OnElementAbsolute},
        {"Element:Integer", OnElementInteger},
        {"Integer", OnElementInteger},
        {"Element:To Degrees", OnElementToDegrees},
        {"Element:To Radians", OnElementToRadians},
        {"Element:Log", OnElementLog},
        {"Element:Log10", OnElementLog10},
        {"Element:Exp", OnElementExp},
        {"Element:Exp10", OnElementExp10},
    };
    return kCommands;
}
