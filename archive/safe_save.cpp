#include "archive/safe_save.h"

#include <cstdio>

SaveResult SaveFileSafely(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return SaveResult::CannotCreate;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return SaveResult::CannotCreate;
    }
    return SaveResult::Saved;
}
