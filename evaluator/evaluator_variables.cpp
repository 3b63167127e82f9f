#include "evaluator/evaluator_variables.h"

#include "archive/register_names.h"
#include "matrixlib/predicates.h"

namespace {

int RegisterIndex(const std::string& name) {
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0] - 'A';
    return -1;
}

int LetterIndex(char letter) {
    if (letter >= 'a' && letter <= 'z') return letter - 'a';
    if (letter >= 'A' && letter <= 'Z') return letter - 'A';
    return -1;
}

const PackedMatrix kEmptyPacked = {0.0, 0.0};

// Why a file that did not load must keep its content; nullptr for files that
// loaded or do not exist.
const char* LoadFailure(RegisterFileResult result) {
    switch (result) {
    case RegisterFileResult::Damaged:
        return "damaged";
    case RegisterFileResult::CannotOpen:
        return "unreadable";
    case RegisterFileResult::TooLarge:
        return "too large";
    default:
        return nullptr;
    }
}

} // namespace

EvaluatorVariables::EvaluatorVariables(std::filesystem::path folder)
    : folder_(std::move(folder)) {
    registers_.fill(kEmptyPacked);
}

std::string EvaluatorVariables::FilePath(const std::string& fileName) const {
    return folder_.empty() ? fileName : (folder_ / fileName).string();
}

void EvaluatorVariables::LoadAll() {
    registers_.fill(kEmptyPacked);
    numbersLoadFailure_ =
        LoadFailure(LoadNumericVariables(numbers_, FilePath(kNumericVariablesFile)));
    for (int index = 0; index < 26; ++index) {
        // Read straight into the register: a large one is held once.
        const std::string file = FilePath(RegisterFileName(static_cast<char>('A' + index)));
        loadFailures_[index] = LoadFailure(ReadRegisterFile(file, registers_[index]));
    }
}

std::vector<EvaluatorVariables::Unsaved> EvaluatorVariables::SaveAll() const {
    std::vector<Unsaved> unsaved;
    if (numbersLoadFailure_) {
        unsaved.push_back({kNumericVariablesFile, numbersLoadFailure_});
    } else if (SaveNumericVariables(numbers_, FilePath(kNumericVariablesFile)) !=
               RegisterFileResult::Ok) {
        unsaved.push_back({kNumericVariablesFile, nullptr});
    }
    for (int index = 0; index < 26; ++index) {
        const std::string fileName = RegisterFileName(static_cast<char>('A' + index));
        if (loadFailures_[index]) {
            unsaved.push_back({fileName, loadFailures_[index]});
        } else if (WriteRegisterFile(FilePath(fileName), registers_[index]) !=
                   RegisterFileResult::Ok) {
            unsaved.push_back({fileName, nullptr});
        }
    }
    return unsaved;
}

NEWMAT::Matrix EvaluatorVariables::GetMatrixVar(const std::string& name) const {
    NEWMAT::Matrix matrix;
    const int index = RegisterIndex(name);
    if (index >= 0) matrix = UnpackMatrix(registers_[index]);
    // Read straight into the matrix returned: assigning a loaded one would
    // copy every element again.
    if (!Exist(matrix)) ReadRegisterMatrix(FilePath(RegisterFileName(name)), matrix);
    return matrix;
}

void EvaluatorVariables::StoreMatrixVar(const NEWMAT::Matrix& matrix, const std::string& name) {
    const int index = RegisterIndex(name);
    if (index < 0) return;
    PackMatrix(matrix, registers_[index]);
    // Every line that starts with a register stores its value straight back;
    // for a register whose file could not be read that is the empty matrix,
    // which must not count as giving it a value to save.
    if (matrix.Storage() > 0) loadFailures_[index] = nullptr;
}

double EvaluatorVariables::Number(char letter) const {
    const int index = LetterIndex(letter);
    return index >= 0 ? numbers_[index] : 0.0;
}

void EvaluatorVariables::SetNumber(char letter, double value) {
    const int index = LetterIndex(letter);
    if (index < 0) return;
    numbers_[index] = value;
    numbersLoadFailure_ = nullptr;
}
