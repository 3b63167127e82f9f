#include "interchange/matrix_market.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<double> Elements(const NEWMAT::Matrix& m) {
    return std::vector<double>(m.Store(), m.Store() + m.Storage());
}

void ExpectMatrix(const std::string& text, int rows, int columns, bool complex, const std::vector<double>& elements) {
    SCOPED_TRACE(text);
    const MatrixImport import = ReadMatrixMarket(text);
    ASSERT_TRUE(import.Read()) << import.error;
    EXPECT_EQ(import.complex, complex);
    EXPECT_EQ(import.matrix.Nrows(), rows);
    EXPECT_EQ(import.matrix.Ncols(), columns);
    EXPECT_EQ(Elements(import.matrix), elements);
}

TEST(MatrixMarket, ArrayFormsAreReadColumnByColumn) {
    ExpectMatrix("%%MatrixMarket matrix array real general\n% a comment\n\n2 3\n1\n4\n2\n5\n3\n6\n", 2, 3, false,
                 {1, 2, 3, 4, 5, 6});
    ExpectMatrix("%%MatrixMarket matrix array integer general\n1 2\n-7 8\n", 1, 2, false, {-7, 8});
    // The lower triangle, mirrored.
    ExpectMatrix("%%MatrixMarket matrix array real symmetric\n2 2\n1\n2\n3\n", 2, 2, false, {1, 2, 2, 3});
    ExpectMatrix("%%MatrixMarket matrix array real skew-symmetric\n3 3\n1\n2\n3\n", 3, 3, false,
                 {0, -1, -2, 1, 0, -3, 2, 3, 0});
    // Complex values as pairs; the dual layout [Re | Im].
    ExpectMatrix("%%MatrixMarket matrix array complex general\n1 2\n1 2\n3 -4\n", 1, 4, true, {1, 3, 2, -4});
    ExpectMatrix("%%MatrixMarket matrix array complex hermitian\n2 2\n1 0\n2 3\n4 0\n", 2, 4, true,
                 {1, 2, 0, -3, 2, 4, 3, 0});
}

TEST(MatrixMarket, CoordinateFormsFillTheGivenPlaces) {
    ExpectMatrix("%%MatrixMarket matrix coordinate real general\n2 3 3\n1 1 1.5\n2 3 -2e-3\n1 1 1\n", 2, 3, false,
                 {2.5, 0, 0, 0, 0, -2e-3});
    ExpectMatrix("%%MatrixMarket matrix coordinate pattern general\n2 2 2\n1 2\n2 1\n", 2, 2, false, {0, 1, 1, 0});
    ExpectMatrix("%%MatrixMarket matrix coordinate integer symmetric\n2 2 2\n1 1 5\n2 1 7\n", 2, 2, false,
                 {5, 7, 7, 0});
    ExpectMatrix("%%MatrixMarket matrix coordinate real skew-symmetric\n2 2 1\n2 1 3\n", 2, 2, false, {0, -3, 3, 0});
    ExpectMatrix("%%MatrixMarket matrix coordinate complex hermitian\n2 2 2\n1 1 1 0\n2 1 2 3\n", 2, 4, true,
                 {1, 2, 0, -3, 2, 0, 3, 0});
    ExpectMatrix("%%MatrixMarket matrix coordinate pattern symmetric\n3 3 1\n3 1\n", 3, 3, false,
                 {0, 0, 1, 0, 0, 0, 1, 0, 0});
    ExpectMatrix("%%MatrixMarket MATRIX COORDINATE REAL GENERAL\n0 0 0\n", 0, 0, false, {});
}

TEST(MatrixMarket, WrittenArraysReadBack) {
    NEWMAT::Matrix m(2, 3);
    const double values[] = {1, 0.1, -3e-300, 4, 1e300, 2.0 / 3};
    std::copy(values, values + 6, m.Store());
    const std::string text = MatrixMarketText(m, false);
    EXPECT_EQ(text.substr(0, text.find('\n')), "%%MatrixMarket matrix array real general");
    ExpectMatrix(text, 2, 3, false, Elements(m));
    ExpectMatrix(MatrixMarketText(m, true), 2, 2, true, {1, 0.1, 4, 1e300});
}

TEST(MatrixMarket, ShapesWithoutElementsAreTheEmptyMatrix) {
    // A side hundreds of millions long beside one of length 0 holds nothing.
    ExpectMatrix("%%MatrixMarket matrix array real general\n469748653 0\n", 0, 0, false, {});
    ExpectMatrix("%%MatrixMarket matrix coordinate real general\n0 99999 0\n", 0, 0, false, {});
}

TEST(MatrixMarket, DamagedAndHostileFilesAreRefused) {
    const char* const hostile[] = {
        "",
        "%%MatrixMarket",
        "%%MatrixMarket matrix array real\n1 1\n1\n",
        "%%MatrixMarket vector array real general\n1 1\n1\n",
        "%%MatrixMarket matrix array pattern general\n1 1\n",
        "%%MatrixMarket matrix array real diagonal\n1 1\n1\n",
        "%%MatrixMarket matrix array real general\n2 2\n1\n2\n3\n",            // fewer values
        "%%MatrixMarket matrix array real general\n1 1\n1\n2\n",               // more values
        "%%MatrixMarket matrix array real general\n1 x\n1\n",
        "%%MatrixMarket matrix array real general\n-1 1\n",
        "%%MatrixMarket matrix array real general\n1 1\nabc\n",
        "%%MatrixMarket matrix array real general\n1 1 1\n1\n",
        "%%MatrixMarket matrix array real symmetric\n2 3\n1\n2\n3\n",
        "%%MatrixMarket matrix array real general\n100000000 100000000\n",     // huge shape
        "%%MatrixMarket matrix array real general\n1001 300000\n1\n",         // 2.4 GB promised in a few bytes
        "%%MatrixMarket matrix array real general\n99999999999999999999 1\n",
        "%%MatrixMarket matrix coordinate real general\n2 2 5\n1 1 1\n",       // more than places
        "%%MatrixMarket matrix coordinate real general\n2 2 3\n1 1 1\n2 2 2\n", // count lies: fewer
        "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 1 1\n2 2 2\n", // count lies: more
        "%%MatrixMarket matrix coordinate real general\n2 2 1\n3 1 1\n",       // row out of range
        "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 0 1\n",       // column out of range
        "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 1.5 1\n",
        "%%MatrixMarket matrix coordinate real symmetric\n2 2 1\n1 2 1\n",     // above the diagonal
        "%%MatrixMarket matrix coordinate real skew-symmetric\n2 2 1\n1 1 1\n",
        "%%MatrixMarket matrix coordinate complex general\n1 1 1\n1 1 1\n",    // imaginary part missing
        "%%MatrixMarket matrix coordinate real general\n1 1 1\n1 1 1e999\n",
    };
    for (const char* text : hostile) {
        const MatrixImport import = ReadMatrixMarket(text);
        EXPECT_FALSE(import.Read()) << text;
        EXPECT_FALSE(import.error.empty());
    }
}

} // namespace
