#pragma once
// File > Print: the current matrix on paper, under the document's name.

class Calculator;

// Prints and reports the outcome in a "Print Status" box.
void OnFilePrint(Calculator& calculator);

// Shows the print dialog and prints every page of the current matrix.
// False when the dialog was cancelled or the printer failed.
bool PrintMatrix(Calculator& calculator);
