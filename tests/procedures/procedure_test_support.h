#pragma once
// Running procedures in the tests: prompt answers queued beforehand, the
// current matrix set and read back.

#include <gtest/gtest.h>
#include <newmat.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>

#include "tests/matrixlib/matrix_checks.h"
#include "tests/support/calculator_fixture.h"

using Procedure = void (*)(CCalculatorDlg&);

class ProcedureTest : public CalculatorFixture {
  protected:
    // Queues the prompt answers (nullopt: Escape), then runs the procedure.
    void Run(Procedure procedure, std::initializer_list<std::optional<std::string>> inputs = {}) {
        for (const auto& input : inputs)
            calc.host.QueueInput(input);
        procedure(calc.dlg);
    }

    Matrix Current() { return calc.dlg.GetCurrentMatrix(); }
};

inline Matrix Rows(int rows, int columns, std::initializer_list<double> elements) {
    Matrix m(rows, columns);
    int k = 0;
    for (const double value : elements)
        m(k / columns + 1, k % columns + 1) = value, ++k;
    return m;
}

inline Matrix RandomMatrix(int rows, int columns, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    Matrix m(rows, columns);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j)
            m(i, j) = value(random);
    return m;
}
