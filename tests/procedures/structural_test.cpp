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

// Reduced row echelon form of matrices whose rank is known, decimal ones
// among them whose dependent rows are not exact in binary.
TEST_F(StructuralTest, GaussEliminationGivesTheReducedRowEchelonForm) {
    struct Case {
        Matrix m;
        Matrix rref;
    };
    const Case cases[] = {
        {Rows(3, 3, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}),
         Rows(3, 3, {1, 0, -1, 0, 1, 2, 0, 0, 0})},
        {Rows(2, 3, {0.1, 0.2, 0.3, 0.3, 0.6, 0.9}), Rows(2, 3, {1, 2, 3, 0, 0, 0})},
        {Rows(3, 4, {2, 4, -2, 2, 1, 2, -1, 1, 0, 1, 1, 0.5}),
         Rows(3, 4, {1, 0, -3, 0, 0, 1, 1, 0.5, 0, 0, 0, 0})},
        {Rows(2, 2, {0, 0, 0, 0}), Rows(2, 2, {0, 0, 0, 0})},
    };
    for (const Case& c : cases) {
        SetCurrent(c.m);
        Run(OnGaussElimination);
        EXPECT_MATRIX_NEAR(Current(), c.rref, 1e-12);
        const Matrix r = Current();
        // Rows past the rank are exactly zero, not rounding residue.
        for (int j = 1; j <= r.Ncols(); ++j)
            EXPECT_EQ(r(r.Nrows(), j), 0.0);
    }
    // A product of a 6 x 2 and a 2 x 5 factor has rank 2 and the reduced
    // form of its row space.
    const Matrix b = RandomMatrix(6, 2, 5);
    const Matrix c = Rows(2, 5, {1, 0, 2, -1, 3, 0, 1, -4, 2, 0.5});
    SetCurrent(b * c);
    Run(OnGaussElimination);
    Matrix expected(6, 5);
    expected = 0.0;
    expected.Rows(1, 2) = c;
    EXPECT_MATRIX_NEAR(Current(), expected, 1e-10);
}

} // namespace
