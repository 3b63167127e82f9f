#include "operations/documents/document_commands.h"

#include <filesystem>

#include "archive/safe_save.h"
#include "calculator/calculator.h"
#include "interchange/exchange_files.h"
#include "matrixlib/ztmath.h"
#include "operations/documents/document_format.h"
#include "operations/documents/exchange_commands.h"
#include "operations/documents/text_export.h"

namespace {

constexpr char kNewFileQuestion[] = "This action will destroy information in current memory."
                                    "\nDo you wish to proceed? (Yes/No)";
constexpr char kNewFileCaption[] = "New File";
constexpr char kEnterPathname[] = "Enter Pathname";
constexpr char kPathnameLabel[] = "Pathname:";
constexpr char kDocumentFilter[] = "Data Files (*.mtx)";
constexpr char kDocumentExtension[] = "mtx";

std::optional<std::string> AskForDocument(Calculator& calculator, FileDialogRequest::Kind kind) {
    return calculator.Host().FileDialog({kind, kDocumentFilter, kDocumentExtension});
}

std::string NameWithoutFolder(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The full path the document was last opened from or saved to.
struct DocumentPath {
    std::string path;
};

std::string& PathOf(Calculator& calculator) {
    return calculator.CommandState<DocumentPath>().path;
}

bool SaveReportingFailure(Calculator& calculator, const std::string& path,
                          const std::string& bytes) {
    if (SaveFileSafely(path, bytes) == SaveResult::Saved) return true;
    calculator.ReportFileError();
    return false;
}

} // namespace

void NameDocument(Calculator& calculator, const std::string& path) {
    PathOf(calculator) = path;
    calculator.ShowDocumentCaption(NameWithoutFolder(path));
}

std::string DocumentName(Calculator& calculator) {
    return calculator.CaptionNamesDocument() ? NameWithoutFolder(PathOf(calculator))
                                             : std::string();
}

bool ReadMatrixDocument(Calculator& calculator, const std::string& path) {
    NEWMAT::Matrix matrix;
    if (ReadMatrixDocumentFile(path, matrix) != DocumentReadResult::Ok) {
        calculator.ReportFileError();
        return false;
    }
    calculator.SetCurrentMatrix(matrix);
    return true;
}

bool WriteMatrixDocument(Calculator& calculator, const std::string& path) {
    return SaveReportingFailure(calculator, path,
                                MatrixDocumentText(calculator.GetCurrentMatrix()));
}

void OnFileNew(Calculator& calculator) {
    if (calculator.Host().MessageBox(kNewFileQuestion, kNewFileCaption, MB_YESNO) == IDNO) return;
    // A new start: the pending operations go with the matrix.
    calculator.ClearPending();
}

// A document that cannot be read leaves the name, the caption and the
// current matrix as they were, so a later Save never writes over the file
// that was refused.
void OnFileOpen(Calculator& calculator) {
    const std::optional<std::string> path =
        AskForDocument(calculator, FileDialogRequest::Kind::Open);
    if (!path) return;
    // Another tool's MatrixMarket file is imported, not read as a document.
    if (IsMatrixMarketFile(*path)) {
        ImportMatrixFrom(calculator, *path);
        return;
    }
    if (!ReadMatrixDocument(calculator, *path)) return;
    if (!calculator.HasCurrentMatrix()) {
        // Nothing to show: the display must not go on showing the last matrix.
        const NEWMAT::Matrix empty = calculator.GetCurrentMatrix();
        calculator.Press(CalculatorKey::Clear);
        calculator.SetCurrentMatrix(empty);
        NameDocument(calculator, *path);
        return;
    }
    NameDocument(calculator, *path);
    calculator.UpdateStatusLine(status::Register, status::Cleared);
    calculator.EnterSetState();
    calculator.ShowCurrentMatrix();
}

// Save writes only to the document the caption names: after CE or a recall
// the matrix on show is no longer that document, and Save asks for a name.
void OnFileSave(Calculator& calculator) {
    if (PathOf(calculator).empty() || !calculator.CaptionNamesDocument()) {
        OnFileSaveAs(calculator);
        return;
    }
    WriteMatrixDocument(calculator, PathOf(calculator));
}

void OnFileSaveAs(Calculator& calculator) {
    const std::optional<std::string> path =
        AskForDocument(calculator, FileDialogRequest::Kind::Save);
    if (!path || !WriteMatrixDocument(calculator, *path)) return;
    NameDocument(calculator, *path);
}

// Asks for a path and writes the current matrix there as comma-separated text.
void SaveToTextFile(Calculator& calculator) {
    const NEWMAT::Matrix matrix = calculator.GetCurrentMatrix();
    if (!Exist(matrix)) return;
    calculator.Host().MessageBox(kEnterPathname, kApplicationTitle, MB_OK);
    const std::string path = calculator.PromptText(kPathnameLabel);
    if (path.empty()) {
        calculator.ReportFileError();
        return;
    }
    SaveReportingFailure(calculator, path, MatrixExportText(matrix));
}

std::span<const NamedCommand> DocumentCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Save to Text File", SaveToTextFile},
    };
    return kCommands;
}
