#include "archive/packed_matrix.h"
#include "archive/register_names.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

NEWMAT::Matrix Rows23() {
    NEWMAT::Matrix m(2, 3);
    m << 1 << 2 << 3 << 4 << 5 << 6;
    return m;
}

TEST(PackedMatrix, PacksCountsThenElementsRowByRow) {
    PackedMatrix packed{9, 9, 9};
    PackMatrix(Rows23(), packed);
    EXPECT_EQ(packed, (PackedMatrix{2, 3, 1, 2, 3, 4, 5, 6}));
    PackMatrix(NEWMAT::Matrix(), packed);
    EXPECT_EQ(packed, (PackedMatrix{0, 0}));
}

TEST(PackedMatrix, UnpackTruncatesCountsAndIgnoresSurplus) {
    const NEWMAT::Matrix m = UnpackMatrix({2.9, 3.5, 1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_EQ(m.Nrows(), 2);
    ASSERT_EQ(m.Ncols(), 3);
    EXPECT_EQ(m(2, 1), 4);
    EXPECT_EQ(m(2, 3), 6);

    const NEWMAT::Matrix wide = UnpackMatrix({0, 7});
    EXPECT_EQ(wide.Nrows(), 0);
    EXPECT_EQ(wide.Ncols(), 7);
}

TEST(PackedMatrix, UnpackOfAnImpossibleShapeIsEmpty) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const PackedMatrix& packed :
         {PackedMatrix{}, PackedMatrix{1}, PackedMatrix{2, 2, 1, 2, 3}, PackedMatrix{-1, 1, 5},
          PackedMatrix{nan, 1, 5}, PackedMatrix{1e300, 1e300, 5}, PackedMatrix{5e9, 0}}) {
        const NEWMAT::Matrix m = UnpackMatrix(packed);
        EXPECT_EQ(m.Nrows(), 0);
        EXPECT_EQ(m.Ncols(), 0);
    }
}

TEST(RegisterNames, LettersTemporaryAndLongerNames) {
    EXPECT_EQ(RegisterFileName('A'), "RegA");
    EXPECT_EQ(RegisterFileName('t'), "Regtmp");
    EXPECT_EQ(RegisterFileName("  t"), "Regtmp");
    EXPECT_EQ(RegisterFileName(" Z"), "RegZ");
    EXPECT_EQ(RegisterFileName("ABC"), "RegABC");
    EXPECT_EQ(RegisterFileName("T"), "RegT");
}

} // namespace
