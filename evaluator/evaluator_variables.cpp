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
    LoadNumericVariables(m_numbers, FilePath(kNumericVariablesFile));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        PackMatrix(LoadMatrixFile(FilePath(RegisterFileName(letter))), m_registers[letter - 'A']);
    }
}

std::vector<std::string> CEvaluatorVariables::SaveAll() const {
    std::vector<std::string> failed;
    if (SaveNumericVariables(m_numbers, FilePath(kNumericVariablesFile)) !=
        RegisterFileResult::Ok) {
        failed.push_back(kNumericVariablesFile);
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string fileName = RegisterFileName(letter);
        if (WriteRegisterFile(FilePath(fileName), m_registers[letter - 'A']) !=
            RegisterFileResult::Ok) {
            failed.push_back(fileName);
        }
    }
    return failed;
}

NEWMAT::Matrix CEvaluatorVariables::GetMatrixVar(const std::string& name) const {
    NEWMAT::Matrix matrix;
    const int index = RegisterIndex(name);
    if (index >= 0) matrix = UnpackMatrix(m_registers[index]);
    if (!Exist(matrix)) matrix = LoadMatrixFile(FilePath(RegisterFileName(name)));
    return matrix;
}

void CEvaluatorVariables::StoreMatrixVar(const NEWMAT::Matrix& matrix, const std::string& name) {
    const int index = RegisterIndex(name);
    if (index >= 0) PackMatrix(matrix, m_registers[index]);
}

double CEvaluatorVariables::Number(char letter) const {
    const int index = LetterIndex(letter);
    return index >= 0 ? m_numbers[index] : 0.0;
}

void CEvaluatorVariables::SetNumber(char letter, double value) {
    const int index = LetterIndex(letter);
    if (index >= 0) m_numbers[index] = value;
}
