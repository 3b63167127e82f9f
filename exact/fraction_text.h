#pragma once
// Numbers written as fractions: the Fraction format of the display.

#include "matrixtext/matrix_text.h"

#include <gmpxx.h>
#include <newmat.h>

#include <string>

// "p/q" in lowest terms with the sign on the numerator; an integer as "p".
std::string RationalText(const mpq_class& q);

// A double as the Fraction format shows it: SimplestFraction's text, else
// the shortest decimal that reads back as the double ("1e-300",
// "0.30000000000000004"); "inf", "-inf", "nan" for the others.
std::string FractionText(double value);

// FractionText written at `to` (an ElementWriter of matrixtext).
char* WriteFractionText(char* to, double value);

// A matrix in the Fraction format, its elements separated and its columns
// laid out as FormatFixed does.
std::string FormatFraction(const NEWMAT::Matrix& matrix, int width,
                           ColumnLayout layout = ColumnLayout::AsWritten);
