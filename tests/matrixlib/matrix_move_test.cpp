#include "tests/matrixlib/matrix_checks.h"

#include "matrixlib/matrix_move.h"

TEST(MoveMatrix, HandsTheStorageOnWithoutCopying) {
    Matrix source = Sample(30, 20, 3);
    const Matrix expected = source;
    const double* storage = source.Store();
    Matrix target = Sample(2, 2, 4);
    MoveMatrix(target, source);
    EXPECT_EQ(target.Store(), storage);
    EXPECT_TRUE(SameBits(target, expected));
    EXPECT_EQ(source.Nrows(), 0);
    EXPECT_EQ(source.Ncols(), 0);
    MoveMatrix(target, target);
    EXPECT_TRUE(SameBits(target, expected));
}
