// The document commands through the scripted host: what a refused document
// leaves alone. The golden runs beside this file cover the rest, a document
// in another folder among them.

#include "tests/support/calculator_fixture.h"

#include "operations/documents/document_commands.h"
#include "file_test_support.h"
#include "tests/matrixlib/matrix_checks.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr char kUnableToOpen[] =
    "message \"File Error\" \"Unable to open file\" icon=stop buttons=ok -> ok\n";

class DocumentCommands : public CalculatorFixture {
  protected:
    void SetUp() override {
        CalculatorFixture::SetUp();
        SetCurrent(1, 2, {1, 2});
        TakeTranscript();
    }
};

} // namespace

// A document that cannot be read changes nothing: not the matrix, not the
// name, so a later Save cannot write over the file that was refused. (A
// damaged document is refused in the documents transcript.)
TEST_F(DocumentCommands, RefusedDocumentKeepsMatrixNameAndCaption) {
    calc.host.QueueFileDialog("kept.mtx");
    OnFileSaveAs(calc.core);
    fs::create_directory("folder.mtx");
    for (const char* path : {"missing.mtx", "folder.mtx"}) {
        TakeTranscript();
        calc.host.QueueFileDialog(path);
        OnFileOpen(calc.core);
        EXPECT_EQ(TakeTranscript(),
                  "dialog open -> \"" + std::string(path) + "\"\n" + kUnableToOpen);
        EXPECT_TRUE(SameBits(calc.core.GetCurrentMatrix(), Mat({{1, 2}})));
        EXPECT_EQ(calc.host.Caption(), " Zentabl - kept.mtx");
        EXPECT_EQ(DocumentName(calc.core), "kept.mtx");
    }
    EXPECT_FALSE(fs::exists("missing.mtx"));
    // CE drops the name from the caption: a printout no longer names the file.
    calc.core.Press(CalculatorKey::Clear);
    EXPECT_EQ(DocumentName(calc.core), "");
}
