#include "operations/procedures/complex_procedures.h"

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kNotComplexMode = "Not in complex mode";
const char* const kCompositeToComplexCaption = "Composite to Complex Error";

} // namespace

void OnComplexConjugate(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        if (!dlg.IsComplexMode()) {
            dlg.Refuse(kNotComplexMode, "Complex Conjugate Error");
            return false;
        }
        m = Conjugate(m);
        return true;
    });
}

// The mode changes together with the matrix, so both are done here and the
// frame is told to store nothing more.
void OnComplexToComposite(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        if (!dlg.IsComplexMode()) {
            dlg.Refuse(kNotComplexMode, "Complex to Composite Error");
            return false;
        }
        dlg.SetCurrentMatrix(CplxToComposite(m));
        dlg.SetRealMode();
        return false;
    });
}

void OnCompositeToComplex(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        if (dlg.IsComplexMode()) {
            dlg.Refuse("Not in real mode", kCompositeToComplexCaption);
            return false;
        }
        if (!IsComposite(m)) {
            dlg.Refuse("Not a composite format matrix", kCompositeToComplexCaption);
            return false;
        }
        dlg.SetCurrentMatrix(DeCompositeToCplx(m));
        dlg.SetComplexMode();
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
