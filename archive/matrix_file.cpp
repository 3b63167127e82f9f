#include "archive/matrix_file.h"

#include <algorithm>

NEWMAT::Matrix LoadMatrixFile(const std::string& fileName) {
    PackedMatrix packed;
    if (ReadRegisterFile(fileName, packed) != RegisterFileResult::Ok) return NEWMAT::Matrix();
    return UnpackMatrix(packed);
}

RegisterFileResult SaveMatrixFile(const NEWMAT::Matrix& matrix, const std::string& fileName) {
    PackedMatrix packed;
    PackMatrix(matrix, packed);
    return WriteRegisterFile(fileName, packed);
}

void LoadNumericVariables(NumericVariables& variables, const std::string& fileName) {
    PackedMatrix packed;
    if (ReadRegisterFile(fileName, packed) != RegisterFileResult::Ok) return;
    // A loaded header holds whole, in-range counts backed by its elements.
    const auto rows = static_cast<std::size_t>(packed[0]);
    const auto columns = static_cast<std::size_t>(packed[1]);
    if (columns == 0) return;
    const std::size_t used = std::min(rows, variables.size());
    for (std::size_t i = 0; i < used; ++i)
        variables[i] = packed[2 + i * columns];
}

RegisterFileResult SaveNumericVariables(const NumericVariables& variables,
                                        const std::string& fileName) {
    PackedMatrix packed{static_cast<double>(variables.size()), 1.0};
    packed.insert(packed.end(), variables.begin(), variables.end());
    return WriteRegisterFile(fileName, packed);
}
