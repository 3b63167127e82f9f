#pragma once
// Gauss elimination to the reduced row echelon form, recording its row
// operations for View > Steps: exact under Format > Fraction when the
// matrix reads exactly, else the library's own elimination observed step by
// step.

#include <newmat.h>

class Calculator;

// m becomes its reduced row echelon form; the steps replace the kept ones.
void ReduceWithSteps(Calculator& calculator, NEWMAT::Matrix& m);
