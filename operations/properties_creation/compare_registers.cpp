#include "operations/properties_creation/compare_registers.h"

#include <cmath>

#include "calculator/calculator.h"
#include "matrixlib/predicates.h"

using NEWMAT::Matrix;

namespace {

const char* const kIntroduction =
    "To compare variables, simply enter\nthe name of the variable\n(i.e., A, B...) as prompted.";
const char* const kComparisonCaption = "Comparison Test";
const char* const kMissingText = "Matrix does not exist";
const char* const kMissingCaption = "Comparison Error";

// Recalls the register named at the prompt. Returns the matrix it holds, or
// nothing (after saying so) when the answer names no register, the register
// cannot be read or it holds no matrix.
std::optional<Matrix> RecallNamed(Calculator& calculator, const char* label) {
    const std::optional<char> letter = RegisterNamedBy(calculator.PromptText(label));
    if (letter && calculator.RecallRegister(std::string(1, *letter))) {
        Matrix m = calculator.GetCurrentMatrix();
        if (Exist(m)) return m;
    }
    calculator.Refuse(kMissingText, kMissingCaption);
    return std::nullopt;
}

// Exact comparison; two NaNs at the same place count as equal, a NaN and a
// number do not.
bool SameElement(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool Identical(const Matrix& a, const Matrix& b) {
    if (a.Nrows() != b.Nrows() || a.Ncols() != b.Ncols()) return false;
    const double* x = a.Store();
    const double* y = b.Store();
    for (int k = 0; k < a.Storage(); ++k)
        if (!SameElement(x[k], y[k])) return false;
    return true;
}

} // namespace

std::optional<char> RegisterNamedBy(const std::string& answer) {
    const std::size_t first = answer.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const std::size_t last = answer.find_last_not_of(" \t");
    if (first != last) return std::nullopt;
    const char c = answer[first];
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return std::nullopt;
}

void OnCompare(Calculator& calculator) {
    calculator.RunCommand([&] {
        calculator.Host().MessageBox(kIntroduction, kComparisonCaption, MB_OK);
        const std::optional<Matrix> first = RecallNamed(calculator, "Compare");
        if (!first) return;
        const std::optional<Matrix> second = RecallNamed(calculator, "With");
        if (!second) return;
        calculator.Host().MessageBox(Identical(*first, *second) ? "Matrices are identical"
                                                                : "Matrices are not identical",
                                     kComparisonCaption, MB_OK);
    });
}

std::span<const NamedCommand> CompareRegistersCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Compare", OnCompare},
    };
    return kCommands;
}
