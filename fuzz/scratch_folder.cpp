#include "fuzz/scratch_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

struct Folder {
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

} // namespace

const std::filesystem::path& ScratchFolder() {
    static const Folder folder;
    return folder.path;
}

void EmptyScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder(), ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}
