#include "interchange/npy_file.h"
#include "interchange/npy_header.h"
#include "tests/interchange/npy_samples.h"
#include "tests/support/scratch_directory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<double> Elements(const NEWMAT::Matrix& m) {
    return std::vector<double>(m.Store(), m.Store() + m.Storage());
}

struct Expected {
    int rows;
    int columns;
    bool complex;
    std::vector<double> elements;
};

Expected ExpectedOf(const NpySample& sample) {
    const std::string kind = sample.kind;
    const std::string name = sample.name;
    const bool isUnsigned = name.find("u1") != std::string::npos || name.find("u2") != std::string::npos ||
                            name.find("u4") != std::string::npos || name.find("u8") != std::string::npos;
    if (kind == "real" && isUnsigned) return {2, 3, false, {1, 2, 3, 4, 5, 250}};
    if (kind == "real") return {2, 3, false, {1, -2, 3, 4, 5, -6}};
    if (kind == "complex") return {2, 6, true, {1, -2, 3, 1, 2, 3, 4, 5, -6, 4, 5, 250}};
    if (kind == "bool") return {2, 3, false, {1, 0, 1, 0, 1, 1}};
    if (kind == "row") return {1, 3, false, {1.5, -2.5, 3.5}};
    if (kind == "scalar") return {1, 1, false, {7.25}};
    return {0, 0, false, {}};
}

TEST(Npy, EverySampleNumpyWroteReadsAsItsMatrixOrIsRefused) {
    int read = 0;
    for (const NpySample& sample : kNpySamples) {
        SCOPED_TRACE(sample.name);
        const MatrixImport import = ReadNpy(sample.bytes);
        if (std::string(sample.kind) == "refused") {
            EXPECT_FALSE(import.Read());
            EXPECT_FALSE(import.error.empty());
            continue;
        }
        ASSERT_TRUE(import.Read()) << import.error;
        const Expected expected = ExpectedOf(sample);
        EXPECT_EQ(import.matrix.Nrows(), expected.rows);
        EXPECT_EQ(import.matrix.Ncols(), expected.columns);
        EXPECT_EQ(import.complex, expected.complex);
        EXPECT_EQ(Elements(import.matrix), expected.elements);
        ++read;
    }
    EXPECT_EQ(read, 53);
}

TEST(Npy, WrittenBytesAreWhatNumpyWrites) {
    // np.save of np.array([[1, -2, 3], [4, 5, -6]], dtype='<f8') and of the
    // complex sample are among the samples: the writer gives the same bytes.
    NEWMAT::Matrix real(2, 3);
    const double values[] = {1, -2, 3, 4, 5, -6};
    std::copy(values, values + 6, real.Store());
    NEWMAT::Matrix dual(2, 6);
    const double parts[] = {1, -2, 3, 1, 2, 3, 4, 5, -6, 4, 5, 250};
    std::copy(parts, parts + 12, dual.Store());
    for (const NpySample& sample : kNpySamples) {
        if (std::string(sample.name) == "littlef8_c") {
            EXPECT_EQ(NpyBytes(real, false), sample.bytes);
        } else if (std::string(sample.name) == "littlec16_c") {
            EXPECT_EQ(NpyBytes(dual, true), sample.bytes);
        }
    }
}

TEST(Npy, FilesRoundTripThroughTheSaveRoutine) {
    ScratchDirectory scratch;
    NEWMAT::Matrix m(3, 5);
    for (int k = 0; k < m.Storage(); ++k) m.Store()[k] = (k - 7) / 3.0;
    for (bool complexMode : {false, true}) {
        const std::string path = (scratch.path / "m.npy").string();
        ASSERT_EQ(ExportNpyFile(path, m, complexMode), "");
        const MatrixImport back = ImportNpyFile(path);
        ASSERT_TRUE(back.Read()) << back.error;
        EXPECT_EQ(back.complex, complexMode);
        EXPECT_EQ(Elements(back.matrix), complexMode ? Elements(NEWMAT::Matrix(m.Columns(1, 4))) : Elements(m));
    }
    // Every sample reads the same from a file as from its bytes.
    for (const NpySample& sample : kNpySamples) {
        const std::string path = (scratch.path / (std::string(sample.name) + ".npy")).string();
        std::ofstream(path, std::ios::binary).write(sample.bytes.data(), static_cast<std::streamsize>(sample.bytes.size()));
        const MatrixImport fromFile = ImportNpyFile(path);
        const MatrixImport fromBytes = ReadNpy(sample.bytes);
        EXPECT_EQ(fromFile.error, fromBytes.error) << sample.name;
        EXPECT_EQ(Elements(fromFile.matrix), Elements(fromBytes.matrix)) << sample.name;
    }
    EXPECT_FALSE(ImportNpyFile((scratch.path / "missing.npy").string()).Read());
}

std::string WithHeader(const std::string& dict, std::string_view data = {}, char major = 1) {
    std::string bytes = "\x93NUMPY";
    bytes += major;
    bytes += '\0';
    bytes += static_cast<char>(dict.size() & 0xff);
    bytes += static_cast<char>(dict.size() >> 8);
    if (major != 1) bytes += std::string(2, '\0');
    return bytes + dict + std::string(data);
}

TEST(Npy, HostileFilesAreRefusedWithAMessage) {
    const std::string eight(8, '\0');
    const std::string good = "{'descr': '<f8', 'fortran_order': False, 'shape': (1,), }\n";
    ASSERT_TRUE(ReadNpy(WithHeader(good, eight)).Read());
    const std::string hostile[] = {
        "",
        "\x93NUM",
        "PK\x03\x04 not numpy at all",
        WithHeader(good).substr(0, 20),                                   // truncated header
        std::string("\x93NUMPY\x01\x00\xff\x7f", 10) + good + eight,   // header length past the file
        WithHeader(good, eight, 4),                                       // unknown version
        WithHeader(good, eight.substr(0, 7)),                             // data cut short
        WithHeader(good, eight + "x"),                                    // data beyond the shape
        WithHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (4294967296, 4294967296), }\n"),
        WithHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (99999999999999999999999,), }\n"),
        WithHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (100000, 100000), }\n", eight),
        WithHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (1,), 'x': 1}\n", eight),
        WithHeader("{'descr': '<f8', 'descr': '<f8', 'fortran_order': False, 'shape': (1,)}\n", eight),
        WithHeader("{'descr': '<f8', 'shape': (1,)}\n", eight),
        WithHeader("{'descr': '<f8', 'fortran_order': Maybe, 'shape': (1,)}\n", eight),
        WithHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (1,-1)}\n", eight),
        WithHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (1,) \xe9}\n", eight),
        WithHeader("{'descr': '<f8\xc3\xa9', 'fortran_order': False, 'shape': (1,)}\n", eight),
        WithHeader("{'descr': '<f8', 'fortran_order': False, 'shape': (1,)", eight),
        WithHeader("{'descr': '<x8', 'fortran_order': False, 'shape': (1,)}\n", eight),
        WithHeader("{'descr': '<f999999999999', 'fortran_order': False, 'shape': (1,)}\n", eight),
        WithHeader(std::string(70000, ' '), eight, 2),                    // header too long
    };
    for (const std::string& bytes : hostile) {
        const MatrixImport import = ReadNpy(bytes);
        EXPECT_FALSE(import.Read()) << &bytes - hostile;
        EXPECT_FALSE(import.error.empty());
        EXPECT_EQ(import.matrix.Storage(), 0);
    }
}

TEST(Npy, HeadersArePaddedAsNumpyPadsThem) {
    for (std::size_t rows : {0u, 1u, 12345u}) {
        const std::string header = NpyHeaderBytes(rows, 7, false);
        EXPECT_EQ(header.size() % 64, 0u);
        EXPECT_EQ(header.back(), '\n');
        EXPECT_EQ(NpyHeaderEnd(header), header.size());
        const NpyHeader read = ReadNpyHeader(header);
        EXPECT_EQ(read.error, "");
        EXPECT_EQ(read.layout.rows, rows);
        EXPECT_EQ(read.layout.columns, 7u);
    }
}

} // namespace
