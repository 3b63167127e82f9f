#pragma once

#include "archive/matrix_file.h"
#include "archive/packed_matrix.h"

#include <newmat.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

// The evaluator's 26 matrix registers A-Z and 26 numeric variables a-z,
// and their register files in one folder (the working directory by default).
class CEvaluatorVariables {
  public:
    explicit CEvaluatorVariables(std::filesystem::path folder = {});

    // Empties every register, then reads "RegNum" and "RegA" ... "RegZ".
    // A missing, empty or damaged file leaves its register empty.
    void LoadAll();

    // Writes "RegNum", then "RegA" ... "RegZ", every one of them.
    // Returns the names of the files that could not be written.
    std::vector<std::string> SaveAll() const;

    // The register named by a single letter A-Z; when that holds no
    // elements (or the name is longer), the register file "Reg" + name.
    // A matrix without elements when neither has any.
    NEWMAT::Matrix GetMatrixVar(const std::string& name) const;

    // Keeps `matrix` in the register named by a single letter A-Z; any
    // other name is not a register and nothing is kept.
    void StoreMatrixVar(const NEWMAT::Matrix& matrix, const std::string& name);

    // Numeric variables by the first letter of their name, either case.
    double Number(char letter) const;
    void SetNumber(char letter, double value);

  private:
    std::string FilePath(const std::string& fileName) const;

    std::filesystem::path m_folder;
    std::array<PackedMatrix, 26> m_registers;
    NumericVariables m_numbers{};
};
