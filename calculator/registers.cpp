// The registers A ... Z and t are register files in the working directory;
// Parse starts the expression evaluator, which shares them.

#include <cerrno>
#include <cstdio>
#include <new>
#include <utility>

#include "archive/packed_matrix.h"
#include "archive/register_file.h"
#include "archive/register_names.h"
#include "calculator/calculator_dlg.h"
#include "platform/wait_cursor.h"

#include <new>

namespace {

constexpr char kUnableToOpen[] = "Unable to open file";
constexpr char kFileErrorCaption[] = "File Error";
constexpr char kSystemErrorCaption[] = "System Error";
constexpr char kTemporaryLetter[] = "t";

} // namespace

std::string CCalculatorDlg::RegisterFileName(const std::string& item) {
    return ::RegisterFileName(std::string_view(item));
}

std::string CCalculatorDlg::RegisterLetter(const std::string& fileName) {
    if (fileName == kTemporaryRegisterFile) return kTemporaryLetter;
    return fileName.empty() ? std::string() : fileName.substr(fileName.size() - 1);
}

const std::string& CCalculatorDlg::RegisterName() const {
    return registerName_;
}

void CCalculatorDlg::StoreRegister(const std::string& item) {
    registerName_ = RegisterFileName(item);
    SaveRegisterFile(registerName_);
    UpdateStatusLine(2, 1);
}

bool CCalculatorDlg::RecallRegister(const std::string& item) {
    registerName_ = RegisterFileName(item);
    const bool loaded = LoadRegisterFile(registerName_);
    ShowCurrentMatrix();
    UpdateStatusLine(2, 1);
    return loaded;
}

void CCalculatorDlg::ReportFileError() {
    Refuse(kUnableToOpen, kFileErrorCaption);
}

bool CCalculatorDlg::SaveRegisterFile(const std::string& name) {
    return SavePacked(name, current_);
}

bool CCalculatorDlg::SavePacked(const std::string& name, const Packed& packed) {
    RegisterFileResult result;
    {
        const WaitCursor wait(host_);
        result = WriteRegisterFile(name, packed);
    }
    if (result == RegisterFileResult::Ok) return true;
    ReportFileError();
    return false;
}

bool CCalculatorDlg::LoadRegisterFile(const std::string& name) {
    Packed loaded;
    RegisterFileResult result;
    {
        const WaitCursor wait(host_);
        result = ReadRegisterFile(name, loaded);
    }
    if (result == RegisterFileResult::Ok) {
        KeepCurrentForRollback();
        current_ = std::move(loaded);
        ++currentChanges_;
        return true;
    }
    // A matrix too large for the memory left is memory running out, which
    // the command frame reports; a damaged file is refused like a missing
    // one. The current matrix stays either way.
    if (result == RegisterFileResult::TooLarge) throw std::bad_alloc();
    ReportFileError();
    return false;
}

void CCalculatorDlg::SaveToTemporaryRegister(const NEWMAT::Matrix& value) {
    Packed packed;
    PackMatrix(value, packed);
    SavePacked(kTemporaryRegisterFile, packed);
}

void CCalculatorDlg::OnParse() {
    // The evaluator writes to the same terminal; what we buffered goes first.
    std::fflush(nullptr);
    const EvaluatorRun run = host_.RunEvaluator();
    if (!run.started)
        Refuse("Error = " + std::to_string(run.errorNumber), kSystemErrorCaption);
}
