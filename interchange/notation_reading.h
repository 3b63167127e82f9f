#pragma once
// Matrices pasted or typed in other tools' notations. SE gives a text the
// matrix text format refuses to ReadMatrixNotation, which tries LaTeX,
// NumPy, MATLAB/Octave, Mathematica, the calculator's own text export, CSV
// and Markdown tables in this order, and turns the first that reads the
// text into matrix text. Only texts with a notation's marks are claimed
// (brackets, braces, \begin, commas, pipes), so valid matrix text never is.

#include <cstddef>
#include <string>

struct NotationReading {
    enum class Outcome {
        NotRecognised, // no notation claims the text: the matrix text's own error stands
        Read,          // matrixText holds the matrix
        Faulty,        // a notation claims it, but no rectangle of numbers: fault is
                       // the index of the first offending character
    };
    Outcome outcome = Outcome::NotRecognised;
    std::string matrixText; // rows ending in CR LF; "(re, im)" pairs in complex mode
    std::string notation;   // "LaTeX", "NumPy", "MATLAB", "Mathematica",
                            // "text export", "CSV", "Markdown"
    std::size_t fault = 0;
};

// The text read in the first notation that claims it and reads it; when
// every claiming notation fails, the fault the first of them found. In real
// mode a complex element is a fault at its imaginary part.
NotationReading ReadMatrixNotation(const std::string& text, bool complexMode);
