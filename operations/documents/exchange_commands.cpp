#include "operations/documents/exchange_commands.h"

#include <optional>

#include "calculator/calculator.h"
#include "interchange/exchange_files.h"
#include "matrixlib/allocation_limit.h"
#include "matrixlib/ztmath.h"

namespace {

constexpr char kImportCaption[] = "Import";
constexpr char kExportCaption[] = "Export";
constexpr char kNoElements[] = "The file holds no elements.";
constexpr char kTooLargeForComplex[] =
    "The matrix is too large to hold with its imaginary parts in complex mode.";
constexpr char kNothingToExport[] = "There is no matrix to export.";
constexpr char kImportFilter[] = "Matrix Files (*.npy *.csv *.tsv *.mm *.mtx)";
constexpr char kExportFilter[] = "Matrix Files (*.npy *.csv *.tsv *.mm *.tex)";
constexpr char kDefaultExtension[] = "npy";

// Typed text is set first; false, with the reason shown, when there is no
// matrix to export.
bool HasMatrixToExport(Calculator& calculator) {
    if (!calculator.SetTypedEntry()) return false;
    return calculator.HasCurrentMatrix() || calculator.Refuse(kNothingToExport, kExportCaption);
}

} // namespace

bool ImportMatrixFrom(Calculator& calculator, const std::string& path) {
    MatrixImport import = ImportMatrixFile(path);
    if (!import.Read()) return calculator.Refuse(import.error, kImportCaption);
    if (!Exist(import.matrix)) return calculator.Refuse(kNoElements, kImportCaption);
    if (calculator.IsComplexMode() && !import.complex) {
        const int rows = import.matrix.Nrows();
        const int columns = import.matrix.Ncols();
        if (!ztmath::MatrixSizeAllowed(rows, 2.0 * columns))
            return calculator.Refuse(kTooLargeForComplex, kImportCaption);
        NEWMAT::Matrix imaginary(rows, columns);
        imaginary = 0.0;
        import.matrix = import.matrix | imaginary;
    }
    if (import.complex && !calculator.IsComplexMode()) calculator.Press(CalculatorKey::ComplexMode);
    calculator.SetCurrentMatrix(import.matrix);
    import.matrix.CleanUp();
    calculator.ResetCaption();
    calculator.UpdateStatusLine(status::Register, status::Cleared);
    calculator.EnterSetState();
    calculator.ShowCurrentMatrix();
    calculator.MoveFocusByEntryState();
    return true;
}

bool ExportMatrixTo(Calculator& calculator, const std::string& path) {
    if (!HasMatrixToExport(calculator)) return false;
    const std::string error =
        ExportMatrixFile(path, calculator.GetCurrentMatrix(), calculator.IsComplexMode());
    return error.empty() || calculator.Refuse(error, kExportCaption);
}

void OnFileImport(Calculator& calculator) {
    const std::optional<std::string> path = calculator.Host().FileDialog(
        {FileDialogRequest::Kind::Open, kImportFilter, kDefaultExtension});
    if (path) ImportMatrixFrom(calculator, *path);
}

void OnFileExport(Calculator& calculator) {
    if (!HasMatrixToExport(calculator)) return;
    const std::optional<std::string> path = calculator.Host().FileDialog(
        {FileDialogRequest::Kind::Save, kExportFilter, kDefaultExtension});
    if (path) ExportMatrixTo(calculator, *path);
}
