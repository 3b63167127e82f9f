// zteval's lines, one per input line, on a fixed set of registers: small
// ones in memory and, under longer names, register files in the scratch
// folder (one wide, one damaged, one whose header promises far more than the
// file holds). Every matrix a line can reach is built from these, so no line
// can ask for more than a few kilobytes.

#include "archive/packed_matrix.h"
#include "archive/register_file.h"
#include "evaluator/evaluator_session.h"
#include "evaluator/evaluator_variables.h"
#include "evaluator/expression_parser.h"
#include "evaluator/line_input.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/scratch_folder.h"

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <sstream>
#include <string>

namespace {

NEWMAT::Matrix Filled(int rows, int columns, std::initializer_list<double> values) {
    NEWMAT::Matrix matrix(rows, columns);
    double* element = matrix.Store();
    for (const double value : values)
        *element++ = value;
    return matrix;
}

void WriteBytes(const char* fileName, const std::string& bytes) {
    std::ofstream out(ScratchFolder() / fileName, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The register files under longer names; written once, never changed, since
// the evaluator only writes register files when its run ends.
void WriteRegisterFiles() {
    NEWMAT::Matrix wide(12, 30);
    for (int i = 0; i < wide.Storage(); ++i)
        wide.Store()[i] = std::sin(i) * 100.0;
    PackedMatrix packed;
    PackMatrix(wide, packed);
    WriteBytes("RegWide", SerializePacked(packed));
    WriteBytes("RegBad", SerializePacked({3.0, 3.0, 1.0, 2.0}));
    WriteBytes("RegHuge", SerializePacked({1e9, 1e9, 1.0}));
}

void StoreRegisters(EvaluatorVariables& variables) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    variables.StoreMatrixVar(Filled(3, 3, {2, 1, 0, 1, 3, 1, 0, 1, 4}), "A");
    variables.StoreMatrixVar(Filled(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}), "B");
    variables.StoreMatrixVar(Filled(2, 3, {1, -2, 3.5, 0, 1e-300, -7}), "C");
    variables.StoreMatrixVar(Filled(1, 1, {-2.5}), "D");
    variables.StoreMatrixVar(Filled(3, 1, {1, 0, -1}), "G");
    variables.StoreMatrixVar(Filled(4, 4, {1e300, 1, 0, 0, 1, 1e-300, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}),
                             "H");
    variables.StoreMatrixVar(Filled(2, 2, {nan, inf, -inf, 0}), "N");
    variables.SetNumber('x', 2.0);
    variables.SetNumber('y', -0.5);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool filesWritten = (WriteRegisterFiles(), true);
    (void)filesWritten;

    EvaluatorVariables variables(ScratchFolder());
    StoreRegisters(variables);
    std::ostringstream out;
    ExpressionParser parser(variables, out);
    NEWMAT::Matrix result(1, 1);
    result = -1.0;

    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    StreamLineInput lines(in, out);
    while (const std::optional<std::string> line = lines.ReadLine("")) {
        out.str({});
        if (parser.EvaluateLine(*line, result).showResult) PrintResult(out, result, 4);
    }
    return 0;
}
