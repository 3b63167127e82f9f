#include "operations/procedures/norms_products.h"

#include <algorithm>

#include "calculator/calculator_dlg.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kSaveQuestion = "\n Save value to Tempory(t) Register?";

} // namespace

// The Frobenius norm, reported with the offer to save it to t.
void OnMatrixNorm(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Refused, [&dlg](Matrix& m) {
        ReportValue(dlg, "  Matrix Norm = ", RNorm(m), kSaveQuestion, "Matrix Norm");
        return false;
    });
}

// The Euclidean length of a row or column, reported likewise.
void OnVectorNorm(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        if (!IsVector(m)) {
            dlg.Refuse("Selected object is not a vector", "Error");
            return false;
        }
        if (dlg.IsComplexMode()) {
            dlg.Host().MessageBox("Not implemented", kApplicationTitle, MB_OK);
            return false;
        }
        ReportValue(dlg, "  Vector Norm = ", RNorm(m), kSaveQuestion, "Vector Norm");
        return false;
    });
}

// Replaces the matrix by the 1 x 1 product of its diagonal (a complex
// number in complex mode).
void OnDiagProduct(CCalculatorDlg& dlg) {
    RunProcedure(dlg, ComplexSupport::Supported, [&dlg](Matrix& m) {
        if (dlg.IsComplexMode()) {
            m = CDiagProd(m);
            return true;
        }
        double product = 1.0;
        for (int i = 1; i <= std::min(m.Nrows(), m.Ncols()); ++i)
            product *= m(i, i);
        m.ReSize(1, 1);
        m(1, 1) = product;
        return true;
    });
}

std::span<const NamedCommand> NormsProductsCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Matrix Norm", OnMatrixNorm},
        {"Matrix: Norm", OnMatrixNorm},
        {"Matrix: Diag Product", OnDiagProduct},
        {"Vector:Norm", OnVectorNorm},
    };
    return kCommands;
}
