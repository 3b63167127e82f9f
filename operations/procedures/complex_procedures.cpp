#include "operations/procedures/complex_procedures.h"

#include "calculator/calculator.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kNotComplexMode = "Not in complex mode";
const char* const kCompositeToComplexCaption = "Composite to Complex Error";

} // namespace

void OnComplexConjugate(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!calculator.IsComplexMode()) {
            calculator.Refuse(kNotComplexMode, "Complex Conjugate Error");
            return false;
        }
        m = Conjugate(m);
        return true;
    });
}

// The mode changes together with the matrix, so both are done here and the
// frame is told to store nothing more.
void OnComplexToComposite(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!calculator.IsComplexMode()) {
            calculator.Refuse(kNotComplexMode, "Complex to Composite Error");
            return false;
        }
        calculator.SetCurrentMatrix(CplxToComposite(m));
        calculator.Press(CalculatorKey::RealMode);
        return false;
    });
}

void OnCompositeToComplex(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (calculator.IsComplexMode()) {
            calculator.Refuse("Not in real mode", kCompositeToComplexCaption);
            return false;
        }
        if (!IsComposite(m)) {
            calculator.Refuse("Not a composite format matrix", kCompositeToComplexCaption);
            return false;
        }
        calculator.SetCurrentMatrix(DeCompositeToCplx(m));
        calculator.Press(CalculatorKey::ComplexMode);
        return false;
    });
}

std::span<const NamedCommand> ComplexProceduresCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Complex Conjugate", OnComplexConjugate},
        {"Complex to Composite", OnComplexToComposite},
        {"Composite to Complex", OnCompositeToComplex},
    };
    return kCommands;
}
