// Times every matrix test on a 500 x 500 matrix (complex tests on a 500 x 500
// complex matrix) and the creation of 2000 x 2000 random and Hilbert
// matrices, with and without showing them. Prints one line per case.

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>

#include "bench/bench_timing.h"
#include "commands/command_groups.h"
#include "matrixlib/ztmath.h"
#include "scripting/scripted_calculator.h"

namespace {


void Report(const std::string& what, double seconds) {
    std::printf("%-52s %8.3f s\n", what.c_str(), seconds);
}

// Each test run by its row text.
void TimeTests(ScriptedCalculator& calc, const NEWMAT::Matrix& m, bool complex,
               std::initializer_list<const char*> tests) {
    if (complex)
        calc.core.Press(CalculatorKey::ComplexMode);
    else
        calc.core.Press(CalculatorKey::RealMode);
    calc.core.SetCurrentMatrix(m);
    for (const char* test : tests)
        Report(std::string(complex ? "complex 500 x 500: " : "500 x 500: ") + test,
               Seconds([&] { FindCommandOperation(test)(calc.core); }));
}

void TimeCreation(ScriptedCalculator& calc, const char* name,
                  std::initializer_list<const char*> inputs) {
    calc.core.Press(CalculatorKey::RealMode);
    calc.core.Press(CalculatorKey::Clear);
    for (const char* input : inputs)
        calc.host.QueueInput(std::string(input));
    Report(std::string(name) + " 2000 x 2000, created and shown",
           Seconds([&] { FindCommandOperation(name)(calc.core); }));
}

} // namespace

int main() {
    std::ostream sink(nullptr);
    ScriptedCalculator calc(sink);

    int seed = -500;
    NEWMAT::Matrix a = Random(&seed, 500, 500, -1.0, 1.0);
    const NEWMAT::Matrix symmetric = a + a.t();
    TimeTests(calc, symmetric, false,
              {"Orthogonal",
               "Positive Definite",
               "Rank",
               "Singular",
               "Size",
               "Skew-Symmetric",
               "Square",
               "Stochastic",
               "Double Stochastic",
               "Symmetric",
               "Condition Number"});
    // Matrices on the yes side, which the tests must look at in full.
    calc.core.SetCurrentMatrix(RandomOrthogonal(&seed, 500));
    Report("500 x 500 orthogonal: Orthogonal", Seconds([&] { FindCommandOperation("Orthogonal")(calc.core); }));
    NEWMAT::Matrix definite = a.t() * a;
    for (int i = 1; i <= 500; ++i)
        definite(i, i) += 1.0;
    calc.core.SetCurrentMatrix(definite);
    Report("500 x 500 definite: Positive Definite",
           Seconds([&] { FindCommandOperation("Positive Definite")(calc.core); }));
    NEWMAT::Matrix uniform(500, 500);
    uniform = 1.0 / 500;
    calc.core.SetCurrentMatrix(uniform);
    Report("500 x 500 all 1/500: Double Stochastic",
           Seconds([&] { FindCommandOperation("Double Stochastic")(calc.core); }));

    const NEWMAT::Matrix hermitian = RandomHermitian(500, 500, -1.0, 1.0);
    TimeTests(calc, hermitian, true,
              {"Hermitian",
               "Unitary",
               "Symmetric",
               "Rank",
               "Condition Number"});

    calc.core.SetCurrentMatrix(RandomUnitary(500, 500, -1.0, 1.0));
    Report("complex 500 x 500 unitary: Unitary", Seconds([&] { FindCommandOperation("Unitary")(calc.core); }));

    NEWMAT::Matrix made;
    Report("Random 2000 x 2000, library call",
           Seconds([&] { made = Random(&seed, 2000, 2000, 0, 1); }));
    Report("Random 2000 x 2000, stored as the current matrix",
           Seconds([&] { calc.core.SetCurrentMatrix(made); }));
    Report("Hilbert 2000 x 2000, library call", Seconds([&] { made = Hilbert(2000, 2000); }));
    TimeCreation(calc, "Create Random", {"2000", "2000", "0", "1"});
    TimeCreation(calc, "Create Hilbert", {"2000", "2000"});
    TimeCreation(calc, "Create Unit", {"2000", "2000"});
    TimeCreation(calc, "Create Prime", {"2000", "2000"});
    calc.core.Press(CalculatorKey::Clear);
    calc.host.QueueInput(std::string("500"));
    Report("Create Orthogonal 500 x 500, created and shown",
           Seconds([&] { FindCommandOperation("Create Orthogonal")(calc.core); }));
    return 0;
}
