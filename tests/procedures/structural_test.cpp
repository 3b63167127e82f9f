#include <climits>

#include "matrixlib/ztmath.h"
#include "procedures/extract_procedures.h"
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

TEST_F(StructuralTest, ComplexCutsWorkOnComplexColumns) {
    calc.dlg.SetComplexMode();
    // [(1,7) (2,8) (3,9); (4,10) (5,11) (6,12)]
    const Matrix m = Rows(2, 6, {1, 2, 3, 7, 8, 9, 4, 5, 6, 10, 11, 12});
    SetCurrent(m);
    Run(OnGetColumn, {"4"}); // only three complex columns
    EXPECT_MATRIX_NEAR(Current(), m, 0.0);
    Run(OnColumnSum);
    EXPECT_MATRIX_NEAR(Current(), Rows(1, 6, {5, 7, 9, 17, 19, 21}), 0.0);
    SetCurrent(m);
    Run(OnRowScalarMult, {"1", "-2"}); // a real factor scales both parts
    EXPECT_MATRIX_NEAR(Current(), Rows(2, 6, {-2, -4, -6, -14, -16, -18, 4, 5, 6, 10, 11, 12}),
                       0.0);
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
