#pragma once
// File > Import and File > Export: the kind of a file by its extension
// (letter case ignored) and, for MatrixMarket, by its first line.
//   .npy  NumPy array             import and export
//   .csv  comma-separated values  import and export
//   .tsv  tab-separated values    import and export
//   .mm   MatrixMarket            import and export (array form); any file
//         whose first line starts with "%%MatrixMarket" imports as one
//   .tex  LaTeX bmatrix           export only
// Numbers are written with the digits that read back exactly.

#include "interchange/matrix_import.h"

#include <optional>
#include <string>

enum class ExchangeKind { Npy, Csv, Tsv, MatrixMarket, Latex };

// The kind an export writes for `path`; nullopt for any other extension.
std::optional<ExchangeKind> ExportKindOf(const std::string& path);

// Whether the file's first line starts with "%%MatrixMarket" (File > Open
// imports such a file instead of reading it as a document).
bool IsMatrixMarketFile(const std::string& path);

// Whether ImportMatrixFile takes the file by its kind: the extension .npy,
// .csv, .tsv or .mm, or a MatrixMarket first line.
bool IsImportFile(const std::string& path);

// Reads a file of an importable kind; refuses every other file, and any
// damaged one, with the reason. Never throws.
MatrixImport ImportMatrixFile(const std::string& path);

// Writes the matrix (dual layout in complex mode) through the one save
// routine; "" when saved, else the reason.
std::string ExportMatrixFile(const std::string& path, const NEWMAT::Matrix& matrix, bool complexMode);
