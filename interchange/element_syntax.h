#pragma once
// One matrix element as other tools write it: a real number ("-1.5",
// "2.", ".5e-3", Mathematica's "2*^-3", LaTeX's "1.5 \cdot 10^{-3}" and
// "\frac{1}{2}") and, in complex mode, a complex number ("1+2j", "1-2i",
// "1 + 2*I", "2 I", "-i", "(1+2j)", "complex(1, 2)", "Complex[1, 2]").
// Scanning never reads past the text and never throws.

#include <cstddef>
#include <string_view>

struct ElementSyntax {
    bool complexMode = false;
    // Blanks separate elements (MATLAB, NumPy's printed rows): a sign with a
    // blank before it and none after it starts the next element, as in
    // "[1 -2i]", while "1 - 2i" and "1-2i" are one element; "3 - 4", a
    // subtraction, is no element.
    bool blanksSeparate = false;
    // A blank multiplies, as in Mathematica's "2 I".
    bool blankMultiplies = false;
};

struct ScannedElement {
    bool read = false;
    double real = 0;
    double imaginary = 0;
    bool complex = false;  // an imaginary part was written
    std::size_t end = 0;   // the first character after the element, when read
    std::size_t fault = 0; // the first character that makes no element, when not
};

// Scans one element starting at `from` (blanks and tabs before it skipped).
// The number must be finite; a number too small for a double reads as 0.
ScannedElement ScanElement(std::string_view text, std::size_t from, const ElementSyntax& syntax);

// Whether `cell`, blanks around it aside, is exactly one element; its value
// goes to `element`. On false, element.fault is the offending character's
// index in `cell`.
bool ScanWholeCell(std::string_view cell, const ElementSyntax& syntax, ScannedElement& element);
