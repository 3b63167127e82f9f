#pragma once
// A private folder for the targets whose readers touch the disk (register
// files, the evaluator's register files, zenscript's working directory), so
// a fuzz run never reads or writes anything of the user's.

#include <filesystem>

// The folder, made empty under the system's temporary folder on the first
// call and the same one for the rest of the process. It is removed when the
// process ends normally.
const std::filesystem::path& ScratchFolder();

// Removes everything in the scratch folder, so that an input finds it as the
// previous one found it.
void EmptyScratchFolder();
