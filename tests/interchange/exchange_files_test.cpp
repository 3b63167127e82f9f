#include "interchange/delimited_file.h"
#include "interchange/exchange_files.h"
#include "tests/support/scratch_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<double> Elements(const NEWMAT::Matrix& m) {
    return std::vector<double>(m.Store(), m.Store() + m.Storage());
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A reader written apart from the program's, as numpy.loadtxt reads a
// real table: lines of numbers split at the separator, read with strtod.
std::vector<std::vector<double>> LoadTable(const std::string& text, char separator) {
    std::vector<std::vector<double>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<double> row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, separator);) row.push_back(std::strtod(cell.c_str(), nullptr));
        rows.push_back(row);
    }
    return rows;
}

TEST(DelimitedFiles, QuotesHeadersAndComplexCells) {
    const MatrixImport csv = ReadDelimitedText("\"x\",\"y\"\r\n\"1.5\",2\r\n-3,\" 4e2 \"\r\n", ',');
    ASSERT_TRUE(csv.Read()) << csv.error;
    EXPECT_FALSE(csv.complex);
    EXPECT_EQ(Elements(csv.matrix), (std::vector<double>{1.5, 2, -3, 400}));
    const MatrixImport tsv = ReadDelimitedText("1\t2+3j\n4\t-5i\n", '\t');
    ASSERT_TRUE(tsv.Read()) << tsv.error;
    EXPECT_TRUE(tsv.complex);
    EXPECT_EQ(Elements(tsv.matrix), (std::vector<double>{1, 2, 0, 3, 4, 0, 0, -5}));
    const MatrixImport ragged = ReadDelimitedText("1,2\n3,4\n5\n", ',');
    EXPECT_EQ(ragged.error, "The file is not a table of numbers (line 3, column 2).");
    EXPECT_FALSE(ReadDelimitedText("1,\"2\n", ',').Read());
    EXPECT_FALSE(ReadDelimitedText("", ',').Read());
}

TEST(ExchangeFiles, EveryKindExportsAndImportsTheSameMatrix) {
    ScratchDirectory scratch;
    NEWMAT::Matrix m(2, 4);
    const double values[] = {1, -0.1, 3e-200, 4e15, 2.0 / 3, -6, 7.25, 1e300};
    std::copy(values, values + 8, m.Store());
    for (const char* name : {"m.npy", "m.CSV", "m.tsv", "m.mm"}) {
        for (bool complexMode : {false, true}) {
            SCOPED_TRACE(std::string(name) + (complexMode ? " complex" : " real"));
            const std::string path = (scratch.path / name).string();
            ASSERT_EQ(ExportMatrixFile(path, m, complexMode), "");
            const MatrixImport back = ImportMatrixFile(path);
            ASSERT_TRUE(back.Read()) << back.error;
            EXPECT_EQ(back.complex, complexMode);
            EXPECT_EQ(Elements(back.matrix), Elements(m));
        }
    }
}

TEST(ExchangeFiles, ExportsAreWhatOtherToolsRead) {
    ScratchDirectory scratch;
    NEWMAT::Matrix m(2, 3);
    const double values[] = {1, -0.1, 3e-200, 4e15, 2.0 / 3, -6};
    std::copy(values, values + 6, m.Store());
    const std::string csv = (scratch.path / "m.csv").string();
    const std::string tsv = (scratch.path / "m.tsv").string();
    const std::string tex = (scratch.path / "m.tex").string();
    ASSERT_EQ(ExportMatrixFile(csv, m, false), "");
    ASSERT_EQ(ExportMatrixFile(tsv, m, false), "");
    ASSERT_EQ(ExportMatrixFile(tex, m, false), "");
    const std::vector<std::vector<double>> expected = {{1, -0.1, 3e-200}, {4e15, 2.0 / 3, -6}};
    EXPECT_EQ(LoadTable(Contents(csv), ','), expected);
    EXPECT_EQ(LoadTable(Contents(tsv), '\t'), expected);
    EXPECT_EQ(Contents(tex), "\\begin{bmatrix}\n1 & -0.1 & 3 \\cdot 10^{-200} \\\\\n"
                             "4 \\cdot 10^{15} & 0.6666666666666666 & -6\n\\end{bmatrix}\n");
    EXPECT_EQ(ExportMatrixFile((scratch.path / "m.mtx").string(), m, false),
              "Only .npy, .csv, .tsv, .mm and .tex files can be exported.");
    EXPECT_EQ(ExportMatrixFile((scratch.path / "missing" / "m.csv").string(), m, false), "The file cannot be written.");
    EXPECT_FALSE(ExportKindOf("m.mtx"));
    EXPECT_EQ(ExportKindOf("dir.v2/M.TeX"), ExchangeKind::Latex);
}

TEST(ExchangeFiles, MatrixMarketIsKnownByItsFirstLineWhateverTheExtension) {
    ScratchDirectory scratch;
    const std::string mtx = (scratch.path / "a.mtx").string();
    Write(mtx, "%%MatrixMarket matrix coordinate real general\n1 2 1\n1 2 5\n");
    EXPECT_TRUE(IsMatrixMarketFile(mtx));
    const MatrixImport import = ImportMatrixFile(mtx);
    ASSERT_TRUE(import.Read()) << import.error;
    EXPECT_EQ(Elements(import.matrix), (std::vector<double>{0, 5}));
    const std::string document = (scratch.path / "b.mtx").string();
    Write(document, "1\r\n1\r\n5\r\n");
    EXPECT_FALSE(IsMatrixMarketFile(document));
    EXPECT_FALSE(ImportMatrixFile(document).Read());
    EXPECT_FALSE(IsMatrixMarketFile((scratch.path / "none.mm").string()));
    EXPECT_FALSE(ImportMatrixFile((scratch.path / "none.csv").string()).Read());
    EXPECT_FALSE(ImportMatrixFile(scratch.path.string()).Read());
}

} // namespace
