#pragma once
// Exact arithmetic under Format > Fraction, shared by the operators and the
// commands: whether a command computes exactly, what the notice place then
// says of its result, and the steps and accuracy it leaves behind for
// View > Steps and the scripts.

#include <newmat.h>

#include <optional>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "exact/accuracy.h"
#include "exact/exact_steps.h"
#include "exact/rational_matrix.h"
#include "exact/steps_output.h"

// The operand as exact rationals when the Fraction format is in force in
// real mode, the matrix is within kLargestExactExtent rows and columns and
// every element reads as a fraction or a short decimal; none otherwise, and
// the command computes in floating point.
std::optional<RationalMatrix> ExactOperand(const Calculator& calculator, const NEWMAT::Matrix& m);

// The notice of a command that computed exactly: "exact".
void NoticeExact(Calculator& calculator);
// The notice of one that computed in floating point: under Fraction
// "floating point", followed by the accuracy when there is one; the
// accuracy alone in the other formats (amber near the singularity
// threshold); nothing when neither applies.
void NoticeFloatingPoint(Calculator& calculator,
                         const std::optional<Accuracy>& accuracy = std::nullopt);

// Each element as the display writes it: fractions under Fraction, else
// with the display's decimals, in the exponential form with the exponent flag.
ElementText DisplayElementText(const Calculator& calculator);

// The steps of the last command that recorded some (Gauss Elimination;
// Inv and Solve Ax = b on the exact path), until the next one runs.
struct KeptSteps {
    std::string command; // empty: no command has recorded steps yet
    ShownMatrix start;
    std::vector<ShownStep> steps;
    // Why there are no steps, when there are none.
    std::string note;
};

// The accuracy line of the last Inv, Div, Solve Ax = b or Determinant that
// computed in floating point; empty after one that computed exactly.
struct KeptAccuracy {
    std::string text;
};

// The note of a matrix beyond kLargestSteppedElements elements.
std::string StepsLimitNote();

void KeepSteps(Calculator& calculator, KeptSteps steps);
// The steps of an exact elimination that began with `start`.
void KeepExactSteps(Calculator& calculator, const std::string& command,
                    const RationalMatrix& start,
                    const ExactResult<std::vector<ExactStep>>& steps);
