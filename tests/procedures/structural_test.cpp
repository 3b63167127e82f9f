#include <climits>

#include "matrixlib/ztmath.h"
#include "procedures/rearrange_procedures.h"
#include "procedures/row_operations.h"
#include "tests/procedures/procedure_test_support.h"

namespace {

using StructuralTest = ProcedureTest;

TEST_F(StructuralTest, ReshapeReadsBackAndRefusesNonDivisors) {
    const Matrix m = RandomMatrix(2, 6, 2);
    SetCurrent(m);
    Run(OnReshape, {"4"});
    ASSERT_EQ(Current().Nrows(), 4);
    EXPECT_EQ(Current()(2, 1), m(1, 4)); // row by row
    Run(OnReshape, {"2"});
    EXPECT_MATRIX_NEAR(Current(), m, 0.0);
    TakeTranscript();
    for (const char* rows : {"5", "0", "-3", "24", "x", "99999999999"}) {
        Run(OnReshape, {rows});
        EXPECT_NE(TakeTranscript().find("The number of rows must divide the number of elements"),
                  std::string::npos)
            << rows;
        EXPECT_MATRIX_NEAR(Current(), m, 0.0) << rows;
    }
}

TEST_F(StructuralTest, RowOperationsCheckEveryRowNumber) {
    const Matrix m = Rows(3, 3, {0, 2, 4, 1, 1, 1, 0, 0, 0});
    struct Case {
        Procedure procedure;
        std::initializer_list<std::optional<std::string>> inputs;
        bool refused;
    };
    const Case cases[] = {
        {OnRowSwap, {"1", std::nullopt}, false}, // escaped
        {OnRowAdd, {"1", "4"}, true},
        {OnRowPivot, {"4"}, true},
        {OnRowPivot, {"-2147483648"}, true},
        {OnRowScalarMult, {"4", "2"}, true},
        {OnRowScalarMult, {"99999999999999", "2"}, true},
        {OnRowScalarMult, {"", "2"}, true},
    };
    for (const Case& c : cases) {
        SetCurrent(m);
        TakeTranscript();
        Run(c.procedure, c.inputs);
        EXPECT_MATRIX_NEAR(Current(), m, 0.0); // refused or escaped: unchanged
        const std::string said = TakeTranscript();
        EXPECT_EQ(said.find("\"Row Swap Error\" \"Row boundary error\" icon=stop") !=
                      std::string::npos,
                  c.refused)
            << said;
    }
}

} // namespace
