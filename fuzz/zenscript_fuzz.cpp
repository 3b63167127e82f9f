// zenscript scripts, run as zenscript runs them, in the scratch folder as
// working directory (Store and Recall write their register files there). The
// verbs that name files anywhere on the disk are left out: file-dialog,
// print, paste-file, import and export. A script that is wrong ends at its wrong line, as
// zenscript ends it; any other exception escaping a line is a fault, since
// the calculator reports its errors itself. Allocations are capped
// (allocation_cap.h) while the script runs.

#include "fuzz/allocation_cap.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/scratch_folder.h"
#include "scripting/script_error.h"
#include "scripting/script_runner.h"

#include <filesystem>
#include <sstream>
#include <string>

namespace {

bool NamesFilesOnDisk(const std::string& line) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return false;
    const std::string verb = line.substr(start, line.find_first_of(" \t", start) - start);
    return verb == "file-dialog" || verb == "print" || verb == "paste-file" || verb == "import" ||
           verb == "export";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool inScratch = (std::filesystem::current_path(ScratchFolder()), true);
    (void)inScratch;
    EmptyScratchFolder();
    const AllocationCap cap;

    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream transcript;
    ScriptRunner runner(transcript);
    std::string line;
    try {
        while (std::getline(script, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!NamesFilesOnDisk(line)) runner.RunLine(line);
            transcript.str({});
        }
        runner.Finish();
    } catch (const ScriptError&) {
    }
    return 0;
}
