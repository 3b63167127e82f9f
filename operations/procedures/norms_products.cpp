#include "operations/procedures/norms_products.h"

#include <algorithm>

#include "calculator/calculator.h"
#include "matrixlib/ztmath.h"
#include "operations/procedures/procedure_frame.h"

using NEWMAT::Matrix;

namespace {

const char* const kSaveQuestion = "\n Save value to Tempory(t) Register?";

} // namespace

// The Frobenius norm, reported with the offer to save it to t.
void OnMatrixNorm(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Refused, [&calculator](Matrix& m) {
        ReportValue(calculator, "  Matrix Norm = ", RNorm(m), kSaveQuestion, "Matrix Norm");
        return false;
    });
}

// The Euclidean length of a row or column, reported likewise.
void OnVectorNorm(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (!IsVector(m)) {
            calculator.Refuse("Selected object is not a vector", "Error");
            return false;
        }
        if (calculator.IsComplexMode()) {
            calculator.Host().MessageBox("Not implemented", kApplicationTitle, MB_OK);
            return false;
        }
        ReportValue(calculator, "  Vector Norm = ", RNorm(m), kSaveQuestion, "Vector Norm");
        return false;
    });
}

// Replaces the matrix by the 1 x 1 product of its diagonal (a complex
// number in complex mode).
void OnDiagProduct(Calculator& calculator) {
    RunProcedure(calculator, ComplexSupport::Supported, [&calculator](Matrix& m) {
        if (calculator.IsComplexMode()) {
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
