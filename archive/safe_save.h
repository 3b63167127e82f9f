#pragma once
// The one save routine for every file the programs write (register files,
// matrix documents, text exports): the bytes go to a temporary file beside
// the target, which then replaces the target in one rename, so a failed or
// interrupted save leaves the previous file as it was.

#include <string>
#include <string_view>

enum class SaveResult {
    Saved,
    CannotCreate, // the temporary file could not be created, written or renamed
};

SaveResult SaveFileSafely(const std::string& path, std::string_view bytes);
