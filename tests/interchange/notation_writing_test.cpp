#include "interchange/notation_reading.h"
#include "interchange/notation_writing.h"
#include "interchange/round_trip_number.h"
#include "matrixtext/matrix_text.h"
#include "platform/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

NEWMAT::Matrix Rows(int rows, int columns, std::initializer_list<double> values) {
    NEWMAT::Matrix m(rows, columns);
    std::copy(values.begin(), values.end(), m.Store());
    return m;
}

constexpr CopyNotation kEvery[] = {CopyNotation::Latex,       CopyNotation::Numpy, CopyNotation::Matlab,
                                   CopyNotation::MatlabLine,  CopyNotation::Mathematica,
                                   CopyNotation::Csv,         CopyNotation::Markdown};

TEST(NotationWriting, EachNotationsText) {
    const NEWMAT::Matrix m = Rows(2, 2, {1, -2.5, 1500, 0.25});
    const auto write = [&](CopyNotation notation) { return WriteMatrixAs(notation, m, false, RoundTripNumber); };
    EXPECT_EQ(write(CopyNotation::Latex), "\\begin{bmatrix}\n1 & -2.5 \\\\\n1500 & 0.25\n\\end{bmatrix}");
    EXPECT_EQ(write(CopyNotation::Numpy), "np.array([[1, -2.5],\n          [1500, 0.25]])");
    EXPECT_EQ(write(CopyNotation::Matlab), "[1 -2.5;\n 1500 0.25]");
    EXPECT_EQ(write(CopyNotation::MatlabLine), "[1 -2.5; 1500 0.25]");
    EXPECT_EQ(write(CopyNotation::Mathematica), "{{1, -2.5}, {1500, 0.25}}");
    EXPECT_EQ(write(CopyNotation::Csv), "1,-2.5\n1500,0.25\n");
    EXPECT_EQ(write(CopyNotation::Markdown), "|   |   |\n|---|---|\n| 1 | -2.5 |\n| 1500 | 0.25 |\n");
    EXPECT_EQ(WriteMatrixAs(CopyNotation::Csv, NEWMAT::Matrix(), false, RoundTripNumber), "");
}

TEST(NotationWriting, ExponentsAndNonFiniteValuesInEachToolsWords) {
    const NEWMAT::Matrix m = Rows(1, 4, {1500, -0.00025, INFINITY, NAN});
    const auto exponential = [](double x) { return FormatExponent(x, 2); };
    EXPECT_EQ(WriteMatrixAs(CopyNotation::MatlabLine, m, false, exponential), "[1.50e+003 -2.50e-004 Inf NaN]");
    EXPECT_EQ(WriteMatrixAs(CopyNotation::Mathematica, m, false, exponential),
              "{{1.50*^3, -2.50*^-4, Infinity, Indeterminate}}");
    EXPECT_EQ(WriteMatrixAs(CopyNotation::Latex, m, false, exponential),
              "\\begin{bmatrix}\n1.50 \\cdot 10^{3} & -2.50 \\cdot 10^{-4} & \\infty & \\mathrm{NaN}\n\\end{bmatrix}");
    EXPECT_EQ(WriteMatrixAs(CopyNotation::Numpy, m, false, exponential),
              "np.array([[1.50e+003, -2.50e-004, np.inf, np.nan]])");
    // The display's padding is not part of a number.
    EXPECT_EQ(WriteMatrixAs(CopyNotation::Csv, Rows(1, 1, {2}), false, [](double x) { return FormatFixedField(x, 8, 1); }),
              "2.0\n");
}

TEST(NotationWriting, ComplexElementsFromTheDualLayout) {
    // [1+2i, 3-4i] in the dual layout, plus an odd last column that is ignored.
    const NEWMAT::Matrix dual = Rows(1, 5, {1, 3, 2, -4, 99});
    const auto write = [&](CopyNotation notation) { return WriteMatrixAs(notation, dual, true, RoundTripNumber); };
    EXPECT_EQ(write(CopyNotation::MatlabLine), "[1+2i 3-4i]");
    EXPECT_EQ(write(CopyNotation::Numpy), "np.array([[1+2j, 3-4j]])");
    EXPECT_EQ(write(CopyNotation::Mathematica), "{{1 + 2*I, 3 - 4*I}}");
    EXPECT_EQ(write(CopyNotation::Csv), "1+2j,3-4j\n");
}

TEST(NotationWriting, EveryNotationReadsBackToTheSameMatrix) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> value(-1, 1);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (bool complexMode : {false, true}) {
        NEWMAT::Matrix m(3, 4);
        for (int k = 0; k < m.Storage(); ++k) m.Store()[k] = value(random) * std::pow(10.0, exponent(random));
        for (CopyNotation notation : kEvery) {
            const std::string text = WriteMatrixAs(notation, m, complexMode, RoundTripNumber);
            const NotationReading reading = ReadMatrixNotation(text, complexMode);
            ASSERT_EQ(reading.outcome, NotationReading::Outcome::Read) << text << "\nfault at " << reading.fault;
            const EntryReading back = ReadEntryText(reading.matrixText, complexMode);
            ASSERT_EQ(back.fault.index, kEntryValid);
            ASSERT_EQ(back.matrix.Nrows(), 3);
            ASSERT_EQ(back.matrix.Ncols(), 4);
            for (int k = 0; k < m.Storage(); ++k) EXPECT_EQ(back.matrix.Store()[k], m.Store()[k]) << text;
        }
    }
}

TEST(NotationWriting, RoundTripNumbersAreShortAndExact) {
    EXPECT_EQ(RoundTripNumber(0.1), "0.1");
    EXPECT_EQ(RoundTripNumber(-2), "-2");
    EXPECT_EQ(RoundTripNumber(1e300), "1e+300");
    EXPECT_EQ(RoundTripNumber(2.0 / 3), "0.6666666666666666");
    std::mt19937_64 random(3);
    for (int k = 0; k < 10000; ++k) {
        const double x = std::bit_cast<double>(random());
        if (!std::isfinite(x)) continue;
        const std::string text = RoundTripNumber(x);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), x) << text;
    }
}

TEST(NotationWriting, ScriptWordsNameTheNotations) {
    EXPECT_EQ(CopyNotationNamed("matlab-line"), CopyNotation::MatlabLine);
    EXPECT_EQ(CopyNotationNamed("latex"), CopyNotation::Latex);
    EXPECT_FALSE(CopyNotationNamed("LaTeX"));
    EXPECT_FALSE(CopyNotationNamed("tsv"));
}

} // namespace
