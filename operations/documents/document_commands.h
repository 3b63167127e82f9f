#pragma once
// The File menu's document commands and "Save to Text File". A document is
// the current matrix in a text file (document_format.h); the document's full
// path is this folder's state in the dialog (CommandState), and the window
// caption and the printed heading show its name without the folder.

#include <span>
#include <string>

#include "calculator/calculator_commands.h"

class Calculator;

// Asks whether to proceed; on Yes the calculator and the pending operations
// are cleared (the caption no longer names the document).
void OnFileNew(Calculator& calculator);
void OnFileOpen(Calculator& calculator);
// Saves to the document's path without asking while the caption names it;
// otherwise as Save As.
void OnFileSave(Calculator& calculator);
void OnFileSaveAs(Calculator& calculator);

// Reads the document at `path` into the current matrix (without showing it).
// A file that cannot be read or whose header is refused is reported ("Unable
// to open file") and changes nothing; returns false then.
bool ReadMatrixDocument(Calculator& calculator, const std::string& path);
// Writes the current matrix as a document to `path`; a failure is reported
// and leaves any file there as it was.
bool WriteMatrixDocument(Calculator& calculator, const std::string& path);

// The document's file name without its folder, while the caption names it;
// empty otherwise.
std::string DocumentName(Calculator& calculator);

// Makes `path` the document: remembered, and named in the caption.
void NameDocument(Calculator& calculator, const std::string& path);

// The command-list operations of this file, under the names their rows
// show (for the tables of commands/).
std::span<const NamedCommand> DocumentCommands();
