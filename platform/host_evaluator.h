#pragma once
// Starting the expression evaluator: the zteval beside the running program,
// or the one on the search path when there is none beside it.

#include <string>

#include "platform/host.h"

// The evaluator program to start: the full path of "zteval" in the directory
// of the running program when it is there, else "zteval" to be looked up on
// the search path.
std::string EvaluatorProgram();

// Starts `program` without arguments in the working directory and waits until
// it has ended. With `input` the program reads that text as its standard
// input (then end of file), otherwise it shares ours; with `output` its
// standard output is collected there, otherwise it shares ours.
EvaluatorRun RunProgramAndWait(const std::string& program, const std::string* input,
                               std::string* output);
