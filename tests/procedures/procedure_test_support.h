#pragma once
// Running procedures in the tests: the current matrix set and read back.

#include <gtest/gtest.h>
#include <newmat.h>

#include <random>

#include "tests/matrixlib/matrix_checks.h"
#include "tests/support/calculator_fixture.h"

using Procedure = void (*)(CCalculatorDlg&);

class ProcedureTest : public CalculatorFixture {
  protected:
    Matrix Current() { return calc.dlg.GetCurrentMatrix(); }
};
