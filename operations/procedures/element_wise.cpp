#include "operations/procedures/element_wise.h"

#include <cmath>

#include "calculator/calculator.h"
#include "matrixlib/elements.h"
#include "operations/procedures/procedure_frame.h"

namespace {

const char* const kDivideByZeroText = "Attempt to divide by zero";
const char* const kReciprocalCaption = "Reciprocal Error";

void RunElementWise(Calculator& calculator, double (*f)(double)) {
    RunProcedure(calculator, ComplexSupport::Supported, [f](NEWMAT::Matrix& m) {
        ApplyToElements(m, f);
        return true;
    });
}

} // namespace

void OnElementSin(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::sin(x); });
}
void OnElementCos(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::cos(x); });
}
void OnElementTan(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::tan(x); });
}
void OnElementArcsin(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::asin(x); });
}
void OnElementArccos(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::acos(x); });
}
void OnElementArctan(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::atan(x); });
}
void OnElementExp(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::exp(x); });
}
// x to the tenth power: x is the base, 10 the exponent.
void OnElementExp10(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::pow(x, 10.0); });
}
// A zero gives -infinity like any other pole of the logarithm.
void OnElementLog(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::log(x); });
}
void OnElementLog10(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::log10(x); });
}
void OnElementSquareRoot(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::sqrt(x); });
}
void OnElementNegative(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return x * -1.0; });
}
void OnElementAbsolute(Calculator& calculator) {
    RunElementWise(calculator, [](double x) { return std::fabs(x); });
}

void OnElementReciprocal(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](NEWMAT::Matrix& m) {
        NEWMAT::Real* element = m.Store();
        const int count = m.Storage();
        for (int k = 0; k < count; ++k) {
            if (element[k] == 0.0) {
                calculator.Refuse(kDivideByZeroText, kReciprocalCaption);
                return false;
            }
            element[k] = 1.0 / element[k];
        }
        return true;
    });
}

void OnElementInteger(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](NEWMAT::Matrix& m) {
        TruncateElements(m);
        calculator.SetDecimals(0);
        return true;
    });
}

void OnElementToDegrees(Calculator& calculator) {
    RunElementWise(calculator, DegreesFromRadians);
}

void OnElementToRadians(Calculator& calculator) {
    RunElementWise(calculator, RadiansFromDegrees);
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
