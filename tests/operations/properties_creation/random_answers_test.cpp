// Every creation and Compare answered at random (fixed seeds, so a failure
// repeats): letters, empty answers, huge and negative numbers, register names
// and path-like text, Escape, Yes and No. Nothing may crash, leave a wait
// cursor on, or create a file anywhere but as a register of the working
// directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "scripting/scripted_calculator.h"
#include "commands/command_groups.h"
#include "tests/support/scratch_directory.h"
#include "operations/properties_creation/compare_registers.h"
#include "operations/properties_creation/matrix_creation.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSteps = 1000;
// Larger current matrices are cleared so that steps stay quick.
constexpr int kLargestMatrix = 20000;

// Any two sizes here either fit easily or lie past the allocation limit.
const char* const kAnswers[] = {
    "",    "abc", "-3",   "0",     "1",      "2",       "3",    "7",         "-2147483648",
    "1e3", " A",  "b",    "t",     "Z ",     "../RegA", "A/..", "100000",    "65536",
    "2.5", "nan", "-400", "1e308", "-1e308", "inf",     "RegA", "/tmp/RegA", "a",
    "B",   "A",   "b ",
};

// What the boxes say; every run must reach each of them.
const char* const kOutcomes[] = {
    "Matrices are identical", "Matrices are not identical",
    "Matrix does not exist",  "Unable to open file",
    "Out of range",           "\"Angle Error\"",
    "a base vector",          "not a vector",
};

using Command = void (*)(Calculator&);
const Command kCommands[] = {
    FindCommandOperation("Create Companion"),  FindCommandOperation("Create Hermitian"), FindCommandOperation("Create Hilbert"), FindCommandOperation("Create Identity"),    FindCommandOperation("Create Null"),
    FindCommandOperation("Create Orthogonal"), FindCommandOperation("Create Prime"),     FindCommandOperation("Create Random"),  FindCommandOperation("Create Reflection"),  FindCommandOperation("Create Rotation"),
    FindCommandOperation("Create Toeplitz"),   FindCommandOperation("Create Unit"),      FindCommandOperation("Create Unitary"), FindCommandOperation("Create Vandermonde"),
};

class RandomAnswersTest : public ::testing::TestWithParam<unsigned> {
  protected:
    // Counts the outcomes said so far and empties the transcript.
    void Tally(std::ostringstream& transcript) {
        const std::string text = transcript.str();
        for (const char* outcome : kOutcomes)
            for (std::size_t at = text.find(outcome); at != std::string::npos;
                 at = text.find(outcome, at + 1))
                ++seen_[outcome];
        transcript.str("");
    }

    std::map<std::string, int> seen_;
};

TEST_P(RandomAnswersTest, NeverCrashesNorTouchesOtherFiles) {
    // The working directory is the only entry of a directory of its own, so
    // a file written beside it would show.
    ScratchDirectory outer(ScratchDirectory::Enter);
    fs::create_directory("work");
    fs::current_path("work");

    std::mt19937 random(GetParam());
    const auto below = [&random](std::size_t n) { return static_cast<int>(random() % n); };
    std::ostringstream transcript;
    ScriptedCalculator calc(transcript);
    calc.host.Improvise({[&] { return below(4) != 0; },
                         [&]() -> std::optional<std::string> {
                             if (below(10) == 0) return std::nullopt; // Escape
                             return std::string(kAnswers[below(std::size(kAnswers))]);
                         }});
    // Registers to compare, among them an empty one.
    const char* const registers[] = {"A", "B", "T"};
    for (const char* name : registers) {
        NEWMAT::Matrix m(1 + below(3), 1 + below(3));
        m = 1.0;
        calc.core.SetCurrentMatrix(m);
        calc.core.StoreRegister(name);
    }
    calc.core.Press(CalculatorKey::Clear);
    calc.core.StoreRegister("E");

    for (int step = 0; step < kSteps; ++step) {
        // One step in three compares, so that both prompts often name a register.
        const Command command = below(3) == 0 ? FindCommandOperation("Compare") : kCommands[below(std::size(kCommands))];
        if (calc.core.GetCurrentMatrix().Storage() > kLargestMatrix) calc.core.Press(CalculatorKey::Clear);
        if (below(8) == 0) {
            if (calc.core.IsComplexMode())
                calc.core.Press(CalculatorKey::RealMode);
            else
                calc.core.Press(CalculatorKey::ComplexMode);
        }
        command(calc.core);
        ASSERT_EQ(calc.host.WaitCursorDepth(), 0) << "step " << step;
        if (transcript.tellp() > (1 << 20)) Tally(transcript);
    }
    Tally(transcript);
    // The answers reached every outcome.
    for (const char* outcome : kOutcomes)
        EXPECT_GT(seen_[outcome], 0) << outcome;

    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator("."))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"RegA", "RegB", "RegT", "RegE"}));
    fs::current_path("..");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomAnswersTest, ::testing::Values(1u, 2u, 3u, 4u));

} // namespace
