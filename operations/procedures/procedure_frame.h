#pragma once
// The frame every procedure runs in, and the two dialogs procedures share:
// the refusal in complex mode and the report of a single computed value.

#include <newmat.h>

#include <functional>
#include <string>

class Calculator;

// Whether a procedure has a version for complex (dual) matrices.
enum class ComplexSupport { Supported, Refused };

// Reads the current matrix and ends silently when there is none; in complex
// mode a Refused procedure is refused (ComplexRefusal). Otherwise compute
// works on the matrix: returning true stores it as the current matrix and
// shows it, returning false (after its own message) changes nothing. A
// failure of newmat, of the matrix library or of memory is shown by the
// dialog's "Error" box and stores nothing.
void RunProcedure(Calculator& calculator, ComplexSupport support,
                  const std::function<bool(NEWMAT::Matrix&)>& compute);

// Shows "Procedure is unavailable for complex matrix" when the dialog is in
// complex mode and returns true; returns false in real mode.
bool ComplexRefusal(Calculator& calculator);

// Shows label, value and question (which starts with its own line break) in
// a Yes/No box with the caption, the value formatted with the dialog's width
// and decimals ("%W.Df", or "%W.De" with the exponent flag). Yes saves the
// value to the temporary register t as a 1 x 1 matrix; the current matrix
// and the display stay either way. Returns true on Yes.
bool ReportValue(Calculator& calculator, const char* label, double value, const char* question,
                 const char* caption);

// The same for a complex value, shown as "(re, im)" in the exponential or
// fixed form and saved to t as the 1 x 2 dual matrix [re, im].
bool ReportComplexValue(Calculator& calculator, const char* label, double re, double im,
                        const char* question, const char* caption);

// The value text of the report: "%W.Df" or "%W.De" as the C runtime writes it
// (three exponent digits).
std::string FormatReportedValue(double value, int width, int decimals, bool exponential);

// The same for a value in a message, where a nonzero value must never read
// as zero: one that the format would show without a significant digit is
// written as "%.6e" instead.
std::string FormatMessageValue(double value, int width, int decimals, bool exponential);
