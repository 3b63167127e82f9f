// The document commands through the scripted host: what a refused document
// leaves alone, and where a document in another folder is written. The
// golden runs beside this file cover the rest.

#include "tests/support/calculator_fixture.h"

#include "documents/document_commands.h"
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
    OnFileSaveAs(calc.dlg);
    fs::create_directory("folder.mtx");
    for (const char* path : {"missing.mtx", "folder.mtx"}) {
        TakeTranscript();
        calc.host.QueueFileDialog(path);
        OnFileOpen(calc.dlg);
        EXPECT_EQ(TakeTranscript(),
                  "dialog open -> \"" + std::string(path) + "\"\n" + kUnableToOpen);
        EXPECT_TRUE(SameBits(calc.dlg.GetCurrentMatrix(), Mat({{1, 2}})));
        EXPECT_EQ(calc.host.Caption(), " Zentabl - kept.mtx");
        EXPECT_EQ(DocumentName(calc.dlg), "kept.mtx");
    }
    EXPECT_FALSE(fs::exists("missing.mtx"));
}

// The full path is kept: the caption shows the name only, Save writes to the
// folder it came from, and register files stay in the working directory.
TEST_F(DocumentCommands, DocumentInAnotherFolderKeepsItsPath) {
    fs::create_directory("sub");
    const std::string path = (fs::current_path() / "sub" / "m.mtx").string();
    calc.host.QueueFileDialog(path);
    OnFileSaveAs(calc.dlg);
    SetCurrent(1, 2, {5, 6});
    calc.dlg.StoreRegister("           A");
    OnFileSave(calc.dlg);
    EXPECT_EQ(calc.host.Caption(), " Zentabl - m.mtx");
    EXPECT_EQ(ReadFile(path), "1\r\n2\r\n5.\r\n6.\r\n");
    EXPECT_TRUE(fs::exists("RegA"));
    EXPECT_FALSE(fs::exists("sub/RegA"));
}
