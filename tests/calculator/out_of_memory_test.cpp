// Memory running out is a message, never an exit: a register larger than
// the address space allows, recalled under a limit, and a command that runs
// out of memory after it stored its result, leave the current matrix and
// the display as they were.

#include "tests/support/address_space_limit.h"
#include "tests/support/calculator_fixture.h"

#include "calculator/control_ids.h"

#include <fstream>
#include <new>

namespace {

using OutOfMemoryTest = CalculatorFixture;

// A register file whose header promises rows x columns zeros, stored
// sparsely: the bytes are there to read without taking the disk.
void WriteSparseRegister(const char* name, double rows, double columns) {
    std::ofstream file(name, std::ios::binary);
    const double header[2] = {rows, columns};
    file.write(reinterpret_cast<const char*>(header), sizeof header);
    file.seekp(static_cast<std::streamoff>(16 + 8 * rows * columns - 1));
    file.put('\0');
}

TEST_F(OutOfMemoryTest, RecallBeyondTheAddressSpaceLimitIsReported) {
    if (!kAddressSpaceLimitUsable) GTEST_SKIP() << "no address-space limit under ASan";
    WriteSparseRegister("RegA", 20000, 20000);
    SetCurrent(1, 2, {5, 6});
    const std::string shown = calc.display.Text();
    TakeTranscript();
    EXPECT_TRUE(PassesUnderAddressSpaceLimit(1ULL << 30, [&] {
        calc.dlg.OnButton(IDC_RECALL);
        calc.Pick(std::string(11, ' ') + "A"); // the list's row for register A
        const std::string said = TakeTranscript();
        return said.find("message \"Recall\" \"Not enough memory\" icon=stop") !=
                   std::string::npos &&
               calc.core.GetCurrentMatrix().Ncols() == 2 && calc.display.Text() == shown;
    }));
}

TEST_F(OutOfMemoryTest, AFailureAfterTheResultWasStoredPutsTheOldMatrixBack) {
    SetCurrent(1, 2, {5, 6});
    const std::string shown = calc.display.Text();
    TakeTranscript();
    calc.core.RunCommand(
        [&] {
            NEWMAT::Matrix bigger(3, 3);
            bigger = 1.0;
            calc.core.SetCurrentMatrix(bigger);
            calc.core.ShowCurrentMatrix();
            throw std::bad_alloc();
        },
        "Inv");
    EXPECT_EQ(TakeTranscript(),
              "message \"Inv\" \"Not enough memory\" icon=stop buttons=ok -> ok\n");
    EXPECT_EQ(calc.core.GetCurrentMatrix().Ncols(), 2);
    EXPECT_EQ(calc.display.Text(), shown);
}

} // namespace
