#pragma once
// The matrix text of the calculator's display: one row per line, elements
// separated by blanks; in complex mode each element a pair "(re, im)". Lines
// end in CR LF when written; the readers also accept a bare LF.
//
// Complex matrices use the dual layout: an m x n complex matrix is the real
// m x 2n matrix [Re | Im].
//
// Every function here is pure, never throws for any text, and runs in time
// linear in the length of its input or output. Large texts are read and
// written in parts side by side, one per core, with the same result as one
// reading or writing from the start.

#include <newmat.h>

#include <string>

// Indexes of the syntax-error table; ValidateEntryText returns one of them,
// or kEntryValid.
enum SyntaxErrorIndex {
    kEntryValid = -1,
    kSyntaxError = 0,
    kUnbalancedParentheses = 1,
    kNoExpressionPresent = 2,
    kInvalidExpression = 3,
};

// The table text of a syntax-error index: "Syntax Error", "Unbalanced
// Parentheses", "No Expression Present", "Invalid Expression"; "" for any
// other index.
const char* SyntaxErrorText(int index);

// Checks an entry text for the current mode, ignoring letter case. Allowed
// characters are the digits, "e", ".", "(", ")", ",", blank, "+", "-", CR and
// LF; anything else is kInvalidExpression. In real mode "(", ")" and "," are
// kInvalidExpression. In complex mode the text is valid when the parentheses
// balance (depth back at 0) and there are as many "(" as ","; otherwise
// kUnbalancedParentheses when the depth is not 0, else kInvalidExpression.
// The order of the characters is not checked beyond this.
int ValidateEntryText(const std::string& text, bool complexMode);

// What ValidateEntryText finds, and the index in `text` of the character to
// fix first: the first character not allowed, the first parenthesis or comma
// in real mode; in complex mode the first parenthesis left unmatched, else
// the first comma or pair out of place.
struct EntryFault {
    int index = kEntryValid;
    std::size_t at = 0;
};
EntryFault FindEntryFault(const std::string& text, bool complexMode);

// What SE makes of an entry text: the fault, or the matrix and whether the
// text holds an exponent mark; how many numbers (complex elements in complex
// mode) the text held, and whether its lines held different counts of them,
// so that a reading that dropped or moved numbers can say so.
struct EntryReading {
    EntryFault fault;
    bool exponent = false;
    NEWMAT::Matrix matrix;
    std::size_t numbers = 0;
    bool raggedRows = false;
};

// An entry text checked and read as SE reads it, letter case ignored:
// FindEntryFault, then ParseComplex in complex mode, ParseRealExponent for
// a text with an "e", else ParseReal. The characters of a real text are
// checked by the plain reader's first pass. On an error the matrix is empty.
EntryReading ReadEntryText(const std::string& text, bool complexMode);

// Real text without exponents. The row count is the number of lines (split at
// LF; a final LF ends the last line, blank lines count). The numbers, read in
// order as strtod reads them, fill the matrix row by row; the column count is
// (number of values) / rows, so a ragged text still gives a rectangle and the
// surplus is dropped: "1 2 3\n4 5" is [1 2; 3 4]. A text with only blanks and
// line breaks gives rows x 0. The empty text gives the empty matrix.
NEWMAT::Matrix ParseReal(const std::string& text);

// Real text whose numbers may carry exponents ("1.500e+003", "2E-5"). Tokens
// are separated by white space and each is read whole as strtod reads it (a
// token that starts with no number reads 0). A row ends at each token followed
// by a line break or by the end of the text, blanks between them or not, so
// blank lines do not count as rows. Columns = tokens / rows; the matrix is filled row by row,
// surplus dropped; no row gives the empty matrix.
NEWMAT::Matrix ParseRealExponent(const std::string& text);

// Complex text, result in dual layout. Rows are lines as for ParseReal.
// Tokens are separated by white space, "(", ")" and ","; each is read whole as
// strtod reads it (exponents included). Inside a pair of parentheses the
// numbers are taken two by two as real and imaginary part (an odd last one has
// imaginary part 0); a number outside parentheses is a complex element with
// imaginary part 0. The complex elements fill the rows x (elements / rows)
// matrix row by row, surplus dropped.
// "(1, 2) (3, 4)" is the 1 x 4 dual matrix [1 3 2 4].
NEWMAT::Matrix ParseComplex(const std::string& text);

// How the writers lay out columns: as the formats write them (a fixed run of
// blanks between elements), or padded with leading blanks so that every
// column is as wide as its widest element and the columns line up (at least
// one blank between real columns). Aligned text reads back to the same matrix.
enum class ColumnLayout { AsWritten, Aligned };

// Each element with "%.<decimals>f" in radix 10 (and in a radix outside
// 2..256); in any other radix truncated toward zero to a 32-bit int
// (TruncateToInt32) and written by FormatInteger (platform/number_format.h). Elements of a row are
// separated by `width` blanks (none for width <= 0); every row ends with CR LF. A matrix without
// elements gives "".
std::string FormatFixed(const NEWMAT::Matrix& matrix, int width, int decimals, int radix,
                        ColumnLayout layout = ColumnLayout::AsWritten);

// As FormatFixed in radix 10 with "%.<decimals>e" and three exponent digits:
// 1500 with 3 decimals is "1.500e+003".
std::string FormatExponential(const NEWMAT::Matrix& matrix, int width, int decimals,
                              ColumnLayout layout = ColumnLayout::AsWritten);

// A dual matrix (2n columns; an odd last column is ignored) as rows of
// "(" re ", " im ")  " per element, each number "%<fieldWidth>.<decimals>f"
// (negative width left-aligns), every row ending with CR LF. A matrix without
// elements gives "".
std::string FormatComplex(const NEWMAT::Matrix& matrix, int fieldWidth, int decimals,
                          ColumnLayout layout = ColumnLayout::AsWritten);

// Writes one element at `to`, which has room for kNumberRoom characters
// (platform/number_format.h), and returns the end of what it wrote. Large
// matrices are written in parts side by side: it may be called from
// several threads at once.
using ElementWriter = char* (*)(char* to, double value);

// Each element as `element` writes it, laid out as FormatFixed lays out
// its elements: the formats that live outside this library (fractions)
// share the display's columns.
std::string FormatEachElement(const NEWMAT::Matrix& matrix, int width, ElementWriter element,
                              ColumnLayout layout = ColumnLayout::AsWritten);
