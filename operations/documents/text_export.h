#pragma once
// "Save to Text File": the matrix as comma-separated text. Each row is one
// line, every element written with 7 significant digits and followed by ", "
// (also the last of its row); each line ends with CR LF and one more CR LF
// follows the last row.

#include <newmat.h>

#include <string>

std::string MatrixExportText(const NEWMAT::Matrix& matrix);
