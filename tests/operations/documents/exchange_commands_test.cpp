// File > Import of damaged and hostile files, and the files a drop imports.

#include "operations/documents/exchange_commands.h"

#include <fstream>
#include <utility>

#include "tests/support/calculator_fixture.h"

namespace {

// A .npy file: the preamble of version 1.0, the header as given (its length
// field says `length`, or its real length) and the data bytes.
std::string Npy(const std::string& header, const std::string& data, int length = -1) {
    const int size = length < 0 ? static_cast<int>(header.size()) : length;
    std::string bytes("\x93NUMPY\x01\x00", 8);
    bytes += static_cast<char>(size & 0xFF);
    bytes += static_cast<char>((size >> 8) & 0xFF);
    return bytes + header + data;
}

std::string Doubles(int count) {
    return std::string(static_cast<std::size_t>(count) * 8, '\0');
}

class ExchangeCommandsTest : public CalculatorFixture {
  protected:
    static void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }

    bool Import(const std::string& path) {
        bool read = false;
        calc.core.RunCommand([&] { read = ImportMatrixFrom(calc.core, path); });
        return read;
    }
};

// Each file is refused in a stop box; the matrix, its display, the mode (the
// short file is complex) and the caption stay as they were.
TEST_F(ExchangeCommandsTest, DamagedFilesAreRefusedAndChangeNothing) {
    const std::string c16 = "{'descr': '<c16', 'fortran_order': False, 'shape': (2, 2), }\n";
    const std::pair<const char*, std::string> files[] = {
        {"preamble.npy", std::string("\x93NUMPY\x01", 7)},
        {"header_past_end.npy", Npy("{'descr': '<f8', ", "", 200)},
        {"huge_shape.npy",
         Npy("{'descr': '<f8', 'fortran_order': False, 'shape': (3000000000, 3000000000), }\n",
             Doubles(4))},
        {"non_ascii.npy", Npy("{'descr': '<f8', 'fortran_order': False, 'shape': (1,), '\xe9': 1}\n",
                              Doubles(1))},
        {"short_data.npy", Npy(c16, Doubles(7))},
        {"out_of_range.mm", "%%MatrixMarket matrix coordinate real general\n2 2 1\n3 1 5\n"},
        {"fewer_entries.mm", "%%MatrixMarket matrix coordinate real general\n2 2 3\n1 1 5\n"},
        {"above_diagonal.mm", "%%MatrixMarket matrix coordinate real symmetric\n2 2 1\n1 2 5\n"},
        {"huge_size.mtx", "%%MatrixMarket matrix coordinate complex general\n"
                          "2000000000 2000000000 1\n1 1 1 2\n"},
        {"ragged.csv", "1,2\n3\n"},
        {"document.mtx", "1 1\n5\n"},
    };
    SetCurrent(1, 2, {7, 8});
    const std::string shown = calc.display.Text();
    const std::string caption = calc.host.Caption();
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        Write(name, bytes);
        TakeTranscript();
        EXPECT_FALSE(Import(name));
        const std::string said = TakeTranscript();
        EXPECT_NE(said.find("message \"Import\""), std::string::npos) << said;
        EXPECT_NE(said.find("icon=stop"), std::string::npos) << said;
        const NEWMAT::Matrix m = calc.core.GetCurrentMatrix();
        ASSERT_EQ(m.Ncols(), 2);
        EXPECT_EQ(m(1, 2), 8);
        EXPECT_EQ(calc.display.Text(), shown);
        EXPECT_FALSE(calc.core.IsComplexMode());
        EXPECT_EQ(calc.host.Caption(), caption);
    }
}

// A drop imports the kinds Import reads (a MatrixMarket file whatever its
// name) and leaves every other file, and every file while drops are off,
// to the display.
TEST_F(ExchangeCommandsTest, DropsImportOnlyImportableFiles) {
    Write("a.csv", "1,2\n3,4\n");
    Write("b.txt", "%%MatrixMarket matrix array real general\n1 1\n6\n");
    Write("c.txt", "1,2\n");
    EXPECT_TRUE(calc.dlg.OnDropFile("a.csv"));
    EXPECT_EQ(calc.core.GetCurrentMatrix().Nrows(), 2);
    EXPECT_TRUE(calc.dlg.OnDropFile("b.txt"));
    EXPECT_EQ(calc.core.GetCurrentMatrix()(1, 1), 6);
    EXPECT_FALSE(calc.dlg.OnDropFile("c.txt"));
    calc.core.Press(CalculatorKey::DragDropOff);
    EXPECT_FALSE(calc.dlg.OnDropFile("a.csv"));
    EXPECT_EQ(calc.core.GetCurrentMatrix()(1, 1), 6);
}

} // namespace
