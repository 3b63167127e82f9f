#include "operations/documents/document_commands.h"

#include <filesystem>

#include "archive/safe_save.h"
#include "calculator/calculator_dlg.h"
#include "operations/documents/document_format.h"
#include "operations/documents/text_export.h"
#include "matrixlib/ztmath.h"

namespace {

constexpr char kNewFileQuestion[] = "This action will destroy information in current memory."
                                    "\nDo you wish to proceed? (Yes/No)";
constexpr char kNewFileCaption[] = "New File";
constexpr char kEnterPathname[] = "Enter Pathname";
constexpr char kPathnameLabel[] = "Pathname:";
constexpr char kDocumentFilter[] = "Data Files (*.mtx)";
constexpr char kDocumentExtension[] = "mtx";

std::optional<std::string> AskForDocument(CCalculatorDlg& dlg, FileDialogRequest::Kind kind) {
    return dlg.Host().FileDialog({kind, kDocumentFilter, kDocumentExtension});
}

std::string NameWithoutFolder(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The full path the document was last opened from or saved to.
struct DocumentPath {
    std::string path;
};

std::string& PathOf(CCalculatorDlg& dlg) {
    return dlg.CommandState<DocumentPath>().path;
}

bool SaveReportingFailure(CCalculatorDlg& dlg, const std::string& path, const std::string& bytes) {
    if (SaveFileSafely(path, bytes) == SaveResult::Saved) return true;
    dlg.ReportFileError();
    return false;
}

} // namespace

void NameDocument(CCalculatorDlg& dlg, const std::string& path) {
    PathOf(dlg) = path;
    dlg.ShowDocumentCaption(NameWithoutFolder(path));
}

std::string DocumentName(CCalculatorDlg& dlg) {
    return dlg.CaptionNamesDocument() ? NameWithoutFolder(PathOf(dlg)) : std::string();
}

bool ReadMatrixDocument(CCalculatorDlg& dlg, const std::string& path) {
    NEWMAT::Matrix matrix;
    if (ReadMatrixDocumentFile(path, matrix) != DocumentReadResult::Ok) {
        dlg.ReportFileError();
        return false;
    }
    dlg.SetCurrentMatrix(matrix);
    return true;
}

bool WriteMatrixDocument(CCalculatorDlg& dlg, const std::string& path) {
    return SaveReportingFailure(dlg, path, MatrixDocumentText(dlg.GetCurrentMatrix()));
}

void OnFileNew(CCalculatorDlg& dlg) {
    if (dlg.Host().MessageBox(kNewFileQuestion, kNewFileCaption, MB_YESNO) == IDNO) return;
    // A new start: the pending operations go with the matrix.
    dlg.ClearPending();
}

// A document that cannot be read leaves the name, the caption and the
// current matrix as they were, so a later Save never writes over the file
// that was refused.
void OnFileOpen(CCalculatorDlg& dlg) {
    const std::optional<std::string> path = AskForDocument(dlg, FileDialogRequest::Kind::Open);
    if (!path || !ReadMatrixDocument(dlg, *path)) return;
    if (!dlg.HasCurrentMatrix()) {
        // Nothing to show: the display must not go on showing the last matrix.
        const NEWMAT::Matrix empty = dlg.GetCurrentMatrix();
        dlg.ClearCalculator();
        dlg.SetCurrentMatrix(empty);
        NameDocument(dlg, *path);
        return;
    }
    NameDocument(dlg, *path);
    dlg.UpdateStatusLine(2, 0);
    dlg.EnterSetState();
    dlg.ShowCurrentMatrix();
}

// Save writes only to the document the caption names: after CE or a recall
// the matrix on show is no longer that document, and Save asks for a name.
void OnFileSave(CCalculatorDlg& dlg) {
    if (PathOf(dlg).empty() || !dlg.CaptionNamesDocument()) {
        OnFileSaveAs(dlg);
        return;
    }
    WriteMatrixDocument(dlg, PathOf(dlg));
}

void OnFileSaveAs(CCalculatorDlg& dlg) {
    const std::optional<std::string> path = AskForDocument(dlg, FileDialogRequest::Kind::Save);
    if (!path || !WriteMatrixDocument(dlg, *path)) return;
    NameDocument(dlg, *path);
}

// Asks for a path and writes the current matrix there as comma-separated text.
void SaveToTextFile(CCalculatorDlg& dlg) {
    const NEWMAT::Matrix matrix = dlg.GetCurrentMatrix();
    if (!Exist(matrix)) return;
    dlg.Host().MessageBox(kEnterPathname, kApplicationTitle, MB_OK);
    const std::string path = dlg.PromptText(kPathnameLabel);
    if (path.empty()) {
        dlg.ReportFileError();
        return;
    }
    SaveReportingFailure(dlg, path, MatrixExportText(matrix));
}

std::span<const NamedCommand> DocumentCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Save to Text File", SaveToTextFile},
    };
    return kCommands;
}
