#include "allocation_watch.h"
#include "operations/documents/document_format.h"
#include "operations/documents/text_export.h"
#include "file_test_support.h"
#include "tests/matrixlib/matrix_checks.h"

#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

NEWMAT::Matrix Random(std::mt19937_64& random, int rows, int columns) {
    NEWMAT::Matrix m(rows, columns);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int k = 0; k < rows * columns; ++k)
        m.Store()[k] = std::ldexp(mantissa(random), exponent(random));
    return m;
}

DocumentReadResult Read(const std::string& text, NEWMAT::Matrix& m) {
    std::istringstream in(text);
    return ReadMatrixDocumentText(in, text.size(), m);
}

const NEWMAT::Matrix kSentinel = Mat({{42}});

} // namespace

TEST(MatrixDocument, SavedMatricesReadBackBitForBit) {
    std::mt19937_64 random(14);
    const std::vector<NEWMAT::Matrix> matrices = {
        NEWMAT::Matrix(),
        NEWMAT::Matrix(0, 7),
        Mat({{1, 2}, {3, 4}}),
        Mat({{DBL_MAX, -DBL_MAX, 1e308}, {DBL_MIN, 4.9406564584124654e-324, -2.2e-310}}),
        Mat({{-0.0, 0.0, 0.1, 1.0 / 3}}),
        Mat({{123456789012345678.0, 0.05, -9.87654321e-5}}),
        Random(random, 17, 23),
        Random(random, 1, 200),
    };
    for (const NEWMAT::Matrix& original : matrices) {
        const std::string text = MatrixDocumentText(original);
        NEWMAT::Matrix back = kSentinel;
        ASSERT_EQ(Read(text, back), DocumentReadResult::Ok) << text;
        EXPECT_TRUE(SameBits(back, original));
    }
    EXPECT_EQ(MatrixDocumentText(NEWMAT::Matrix()), "0\r\n0\r\n");
}

// Documents written elsewhere or by hand: CR line ends, surplus lines,
// counts written as atoi still takes them, numbers out of range.
TEST(MatrixDocument, OlderAndHandWrittenDocumentsRead) {
    struct Case {
        std::string text;
        NEWMAT::Matrix expected;
    };
    const Case cases[] = {
        {"1\r2\r7\r8\r", Mat({{7, 8}})},
        {"1\r\n1\r\n5\r\n6\r\nsurplus\r\n", Mat({{5}})},
        {"  3 rows\r\n+1\r\n1.5x\r\n\r\nabc\r\n", Mat({{1.5}, {0}, {0}})},
        {"1\r\n1\r\n" + std::string(5000, '9') + "\r\n", Mat({{HUGE_VAL}})},
    };
    for (const Case& c : cases) {
        NEWMAT::Matrix m = kSentinel;
        ASSERT_EQ(Read(c.text, m), DocumentReadResult::Ok) << c.text.substr(0, 40);
        EXPECT_TRUE(SameBits(m, c.expected));
    }
}

TEST(MatrixDocument, HeadersThatAreNoMatrixShapeAreRefused) {
    for (const char* text : {"", "2\r\n", "-1\r\n2\r\n", "2\r\n-3\r\n", "abc\r\n2\r\n", "\r\n2\r\n",
                             "3000000000\r\n1\r\n", "1\r\n99999999999999999999\r\n",
                             "100000\r\n100000\r\n", "46341\r\n46341\r\n", "0\r\n70000\r\n"}) {
        NEWMAT::Matrix m = kSentinel;
        EXPECT_EQ(Read(text, m), DocumentReadResult::Refused) << text;
        EXPECT_TRUE(SameBits(m, kSentinel));
    }
    // The header may promise no more elements than the document has bytes.
    const std::string tenByTen = "10\r\n10\r\n" + std::string(92, '\n');
    NEWMAT::Matrix m;
    EXPECT_EQ(Read(tenByTen, m), DocumentReadResult::Ok);
    EXPECT_EQ(Read(tenByTen.substr(0, 99), m), DocumentReadResult::Refused);
}

// Damaged documents: mutated, truncated, with garbage and binary data. The
// reader never crashes, allocates at most eight bytes per byte of the
// document, and leaves the matrix alone when it refuses.
TEST(MatrixDocument, DamagedDocumentsNeverCrashOrAllocateBeyondTheirSize) {
    std::mt19937_64 random(6);
    const std::string garbage[] = {"\r\n",           "\n",         "\r",    "-",
                                   "1e999999",       "nan",        "0x1p3", "\0\xff",
                                   "99999999999999", "\r\n-7\r\n", "inf"};
    for (int round = 0; round < 2000; ++round) {
        std::string text = MatrixDocumentText(Random(random, 1 + round % 6, 1 + round % 5));
        switch (round % 4) {
        case 0: // truncated
            text.resize(random() % (text.size() + 1));
            break;
        case 1: // garbage pieces written in
            for (int i = 0; i < 3; ++i) {
                const std::string& piece = garbage[random() % std::size(garbage)];
                text.insert(random() % (text.size() + 1), piece);
            }
            break;
        case 2: // binary bytes
            for (int i = 0; i < 4; ++i)
                text[random() % text.size()] = static_cast<char>(random());
            break;
        default: // another line end, or a header count replaced
            for (char& c : text)
                if (c == '\r' && round % 8 == 3) c = '\n';
            text.insert(0, round % 8 == 3 ? "" : std::to_string(random() % 100000000) + "\n");
            break;
        }
        NEWMAT::Matrix m = kSentinel;
        ResetLargestAllocation();
        const DocumentReadResult result = Read(text, m);
        EXPECT_LE(LargestAllocation(), 8 * text.size() + 1024) << round;
        if (result == DocumentReadResult::Ok) {
            EXPECT_LE(std::size_t(m.Storage()), text.size());
        } else {
            EXPECT_TRUE(SameBits(m, kSentinel));
        }
    }
}

TEST(MatrixDocument, ReadingAFileNeverCreatesOrChangesOne) {
    ScratchDirectory dir(ScratchDirectory::Enter);
    fs::create_directory("folder.mtx");
    ASSERT_EQ(mkfifo("pipe.mtx", 0600), 0); // would block a reader
    NEWMAT::Matrix m = kSentinel;
    for (const char* name : {"missing.mtx", "folder.mtx", "pipe.mtx"})
        EXPECT_EQ(ReadMatrixDocumentFile(name, m), DocumentReadResult::CannotOpen);
    EXPECT_FALSE(fs::exists("missing.mtx"));

    WriteFile("short.mtx", "1\r\n2\r\n3\r\n");
    EXPECT_EQ(ReadMatrixDocumentFile("short.mtx", m), DocumentReadResult::Ok);
    EXPECT_TRUE(SameBits(m, Mat({{3, 0}})));
    EXPECT_EQ(ReadFile("short.mtx"), "1\r\n2\r\n3\r\n");
}

// A parser as a spreadsheet would read the export: CR LF ended lines of
// numbers each followed by ", ", closed by an empty line.
std::vector<std::vector<double>> ParseExport(std::string text) {
    EXPECT_TRUE(text.ends_with("\r\n\r\n"));
    std::vector<std::vector<double>> rows;
    std::istringstream lines(text.substr(0, text.size() - 2));
    for (std::string line; std::getline(lines, line, '\n');) {
        EXPECT_TRUE(line.ends_with(", \r")) << line;
        std::istringstream numbers(line);
        rows.emplace_back();
        for (std::string number; std::getline(numbers, number, ',') && number != " \r";)
            rows.back().push_back(std::stod(number));
    }
    return rows;
}

TEST(TextExport, ReadsBackToSevenSignificantDigits) {
    std::mt19937_64 random(7);
    const NEWMAT::Matrix m = Random(random, 9, 13);
    const auto rows = ParseExport(MatrixExportText(m));
    ASSERT_EQ(rows.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        ASSERT_EQ(rows[i].size(), 13u);
        for (int j = 0; j < 13; ++j)
            EXPECT_NEAR(rows[i][j], m(i + 1, j + 1), 5e-7 * std::fabs(m(i + 1, j + 1)));
    }
}
