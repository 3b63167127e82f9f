#include "archive/matrix_file.h"

#include <algorithm>
#include <new>

RegisterFileResult LoadNumericVariables(NumericVariables& variables, const std::string& fileName) {
    PackedMatrix packed;
    const RegisterFileResult result = ReadRegisterFile(fileName, packed);
    if (result != RegisterFileResult::Ok) return result;
    // A loaded header holds whole, in-range counts backed by its elements.
    const auto rows = static_cast<std::size_t>(packed[0]);
    const auto columns = static_cast<std::size_t>(packed[1]);
    const std::size_t used = columns == 0 ? 0 : std::min(rows, variables.size());
    for (std::size_t i = 0; i < used; ++i)
        variables[i] = packed[2 + i * columns];
    return result;
}

RegisterFileResult SaveNumericVariables(const NumericVariables& variables,
                                        const std::string& fileName) {
    PackedMatrix packed{static_cast<double>(variables.size()), 1.0};
    packed.insert(packed.end(), variables.begin(), variables.end());
    return WriteRegisterFile(fileName, packed);
}
