// The document commands through the scripted host: what the user sees when
// saving, opening, exporting and printing fails or is cancelled.

#include "tests/commands/calculator_fixture.h"

#include "documents/document_commands.h"
#include "documents/print_command.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr char kUnableToOpen[] =
    "message \"File Error\" \"Unable to open file\" icon=stop buttons=ok -> ok\n";

std::string FileText(const fs::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class DocumentCommands : public CalculatorFixture {
  protected:
    void SetUp() override {
        CalculatorFixture::SetUp();
        SetCurrent(1, 2, {1, 2});
        TakeTranscript();
    }
    void ExpectCurrent(double first, double second) {
        const NEWMAT::Matrix m = calc.dlg.GetCurrentMatrix();
        ASSERT_EQ(m.Storage(), 2);
        EXPECT_EQ(m(1, 1), first);
        EXPECT_EQ(m(1, 2), second);
    }
};

} // namespace

// A document that cannot be read changes nothing: not the matrix, not the
// name, so a later Save cannot write over the file that was refused.
TEST_F(DocumentCommands, RefusedDocumentKeepsMatrixNameAndCaption) {
    calc.host.QueueFileDialog("kept.mtx");
    OnFileSaveAs(calc.dlg);
    std::ofstream("bad.mtx", std::ios::binary) << "-4\r\n2\r\n";
    fs::create_directory("folder.mtx");
    for (const char* path : {"bad.mtx", "missing.mtx", "folder.mtx"}) {
        TakeTranscript();
        calc.host.QueueFileDialog(path);
        OnFileOpen(calc.dlg);
        EXPECT_EQ(TakeTranscript(),
                  "dialog open -> \"" + std::string(path) + "\"\n" + kUnableToOpen);
        ExpectCurrent(1, 2);
        EXPECT_EQ(calc.host.Caption(), " Zentabl - kept.mtx");
        EXPECT_EQ(DocumentName(calc.dlg), "kept.mtx");
    }
    EXPECT_FALSE(fs::exists("missing.mtx"));
    EXPECT_EQ(FileText("bad.mtx"), "-4\r\n2\r\n");
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
    EXPECT_EQ(FileText(path), "1\r\n2\r\n5.\r\n6.\r\n");
    EXPECT_TRUE(fs::exists("RegA"));
    EXPECT_FALSE(fs::exists("sub/RegA"));
}

TEST_F(DocumentCommands, FailedOrCancelledSaveAsChangesNothing) {
    calc.host.QueueFileDialog(std::nullopt);
    OnFileSaveAs(calc.dlg);
    EXPECT_EQ(TakeTranscript(), "dialog save -> cancel\n");
    calc.host.QueueFileDialog("no-such-folder/m.mtx");
    OnFileSaveAs(calc.dlg);
    EXPECT_EQ(TakeTranscript(),
              std::string("dialog save -> \"no-such-folder/m.mtx\"\n") + kUnableToOpen);
    EXPECT_EQ(DocumentName(calc.dlg), "");
    EXPECT_EQ(calc.host.Caption(), " Zentabl");
}

// The export of an empty or impossible path is reported and the calculator
// goes on; Escape ends the command quietly.
TEST_F(DocumentCommands, TextExportFailuresAreReported) {
    const std::string ask = "message \"Zentabl\" \"Enter Pathname\" icon=none buttons=ok -> ok\n";
    struct Case {
        std::optional<std::string> input;
        std::string transcript;
    };
    const Case cases[] = {
        {"", ask + "prompt \"Pathname:\" -> \"\"\n" + kUnableToOpen},
        {"no-such-folder/x.txt",
         ask + "prompt \"Pathname:\" -> \"no-such-folder/x.txt\"\n" + kUnableToOpen},
        {std::nullopt, ask + "prompt \"Pathname:\" -> escape\n"},
        {"x.txt", ask + "prompt \"Pathname:\" -> \"x.txt\"\n"},
    };
    for (const Case& c : cases) {
        calc.host.QueueAnswer(ScriptedHost::Answer::Ok);
        calc.host.QueueInput(c.input);
        calc.dlg.RunCommand([this] { SaveToTextFile(calc.dlg); });
        EXPECT_EQ(TakeTranscript(), c.transcript);
        ExpectCurrent(1, 2);
    }
    EXPECT_EQ(FileText("x.txt"), "1., 2., \r\n\r\n");
    calc.dlg.ClearCalculator();
    SaveToTextFile(calc.dlg); // no matrix: nothing is asked
    EXPECT_EQ(TakeTranscript(), "");
}

TEST_F(DocumentCommands, PrintReportsCancelAndUnusablePrinter) {
    const std::string failed = "message \"Print Status\" \" User Canceled or Problems Printing\" "
                               "icon=none buttons=ok -> ok\n";
    calc.host.QueuePrintDialog(std::nullopt);
    OnFilePrint(calc.dlg);
    EXPECT_EQ(TakeTranscript(), "dialog print -> cancel\n" + failed);
    calc.host.QueuePrintDialog("");
    OnFilePrint(calc.dlg);
    EXPECT_EQ(TakeTranscript(), "dialog print -> \"\"\n" + failed);
    calc.host.QueuePrintDialog("out.pdf");
    OnFilePrint(calc.dlg);
    EXPECT_EQ(TakeTranscript(), "dialog print -> \"out.pdf\"\npage 800 1050\nrect 0 0 800 -1050\n"
                                "text 0 -24 \"\"\ntext 5 -48 \"1.00\"\ntext 69 -48 \"2.00\"\n"
                                "message \"Print status\" \"Printed successfully\" icon=none "
                                "buttons=ok -> ok\n");
}
