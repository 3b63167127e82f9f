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

CEvaluatorVariables::CEvaluatorVariables(std::filesystem::path folder)
    : m_folder(std::move(folder)) {
    m_registers.fill(kEmptyPacked);
}

std::string CEvaluatorVariables::FilePath(const std::string& fileName) const {
    return m_folder.empty() ? fileName : (m_folder / fileName).string();
}

void CEvaluatorVariables::LoadAll() {
    m_registers.fill(kEmptyPacked);
    m_numbersLoadFailure =
        LoadFailure(LoadNumericVariables(m_numbers, FilePath(kNumericVariablesFile)));
    for (int index = 0; index < 26; ++index) {
        // Read straight into the register: a large one is held once.
        const std::string file = FilePath(RegisterFileName(static_cast<char>('A' + index)));
        m_loadFailures[index] = LoadFailure(ReadRegisterFile(file, m_registers[index]));
    }
}

std::vector<CEvaluatorVariables::Unsaved> CEvaluatorVariables::SaveAll() const {
    std::vector<Unsaved> unsaved;
    if (m_numbersLoadFailure) {
        unsaved.push_back({kNumericVariablesFile, m_numbersLoadFailure});
    } else if (SaveNumericVariables(m_numbers, FilePath(kNumericVariablesFile)) !=
               RegisterFileResult::Ok) {
        unsaved.push_back({kNumericVariablesFile, nullptr});
    }
    for (int index = 0; index < 26; ++index) {
        const std::string fileName = RegisterFileName(static_cast<char>('A' + index));
        if (m_loadFailures[index]) {
            unsaved.push_back({fileName, m_loadFailures[index]});
        } else if (WriteRegisterFile(FilePath(fileName), m_registers[index]) !=
                   RegisterFileResult::Ok) {
            unsaved.push_back({fileName, nullptr});
        }
    }
    return unsaved;
}

NEWMAT::Matrix CEvaluatorVariables::GetMatrixVar(const std::string& name) const {
    NEWMAT::Matrix matrix;
    const int index = RegisterIndex(name);
    if (index >= 0) matrix = UnpackMatrix(m_registers[index]);
    // Read straight into the matrix returned: assigning a loaded one would
    // copy every element again.
    if (!Exist(matrix)) ReadRegisterMatrix(FilePath(RegisterFileName(name)), matrix);
    return matrix;
}

void CEvaluatorVariables::StoreMatrixVar(const NEWMAT::Matrix& matrix, const std::string& name) {
    const int index = RegisterIndex(name);
    if (index < 0) return;
    PackMatrix(matrix, m_registers[index]);
    // Every line that starts with a register stores its value straight back;
    // for a register whose file could not be read that is the empty matrix,
    // which must not count as giving it a value to save.
    if (matrix.Storage() > 0) m_loadFailures[index] = nullptr;
}

double CEvaluatorVariables::Number(char letter) const {
    const int index = LetterIndex(letter);
    return index >= 0 ? m_numbers[index] : 0.0;
}

void CEvaluatorVariables::SetNumber(char letter, double value) {
    const int index = LetterIndex(letter);
    if (index < 0) return;
    m_numbers[index] = value;
    m_numbersLoadFailure = nullptr;
}
