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
class EvaluatorVariables {
  public:
    explicit EvaluatorVariables(std::filesystem::path folder = {});

    // A register file SaveAll did not write.
    struct Unsaved {
        std::string fileName;
        // Why the file was left alone ("damaged", "unreadable", "too large"),
        // or nullptr when writing it failed.
        const char* skipReason;
    };

    // Empties every register, then reads "RegNum" and "RegA" ... "RegZ".
    // A missing file leaves its register empty; a file that cannot be read
    // (damaged, unreadable, too large for memory) does too, and is
    // remembered so that SaveAll leaves it as it is.
    void LoadAll();

    // Writes "RegNum", then "RegA" ... "RegZ": every one of them except
    // those that failed to load and were given no elements since. Returns the
    // files not written, in that order.
    std::vector<Unsaved> SaveAll() const;

    // The register named by a single letter A-Z; when that holds no
    // elements (or the name is longer), the register file "Reg" + name.
    // A matrix without elements when neither has any.
    NEWMAT::Matrix GetMatrixVar(const std::string& name) const;

    // Keeps `matrix` in the register named by a single letter A-Z; any
    // other name is not a register and nothing is kept. A matrix with
    // elements makes a register that failed to load one SaveAll writes.
    void StoreMatrixVar(const NEWMAT::Matrix& matrix, const std::string& name);

    // Numeric variables by the first letter of their name, either case.
    double Number(char letter) const;
    void SetNumber(char letter, double value);

  private:
    std::string FilePath(const std::string& fileName) const;

    std::filesystem::path folder_;
    std::array<PackedMatrix, 26> registers_;
    // Per register, why its file must not be overwritten (nullptr: it may).
    std::array<const char*, 26> loadFailures_{};
    NumericVariables numbers_{};
    const char* numbersLoadFailure_ = nullptr;
};
