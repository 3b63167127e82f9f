#pragma once
// File > Import and File > Export: matrices in the files of other tools
// (NumPy .npy, .csv, .tsv, MatrixMarket; LaTeX .tex for export), the kind
// chosen by the extension or, for MatrixMarket, by the first line
// (interchange/exchange_files.h). Neither touches the document: an imported
// matrix is no document, and the caption stops naming one.

#include <string>

class Calculator;

// Reads the file at `path` into the current matrix and shows it. A complex
// file switches to complex mode; a real one read in complex mode gets
// imaginary parts 0. A file that is damaged, of another kind, without
// elements or too large is refused in a box (stop icon), changing nothing;
// returns false then.
bool ImportMatrixFrom(Calculator& calculator, const std::string& path);

// Writes the current matrix (typed text is set first) to `path` through the
// one save routine; no matrix, an extension of no kind or a failed save is
// refused in a box, leaving any file there as it was.
bool ExportMatrixTo(Calculator& calculator, const std::string& path);

// The menu items: each asks for the file first.
void OnFileImport(Calculator& calculator);
void OnFileExport(Calculator& calculator);
