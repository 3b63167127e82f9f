#pragma once
// The one save routine for every file the programs write (register files,
// matrix documents, text exports). The bytes go to a temporary file created
// exclusively beside the target under a name of its own (the target's name,
// the writer's process id and a random part), are flushed to disk, and the
// temporary then replaces the target in one rename, after which the folder is
// flushed too. So a failed, killed or concurrent save never leaves a torn
// file: the target holds either its old content or one complete new one, and
// a planted link can never redirect the write. A replaced file keeps its
// permission bits; a new one gets the usual 0666 less the umask. Temporaries
// of the same target left by writers that are no longer running are removed.

#include <initializer_list>
#include <string>
#include <string_view>

enum class SaveResult {
    Saved,
    CannotCreate, // the temporary file could not be created, written, flushed or
                  // renamed, or the target is a folder; the target is unchanged
    NotWritable,  // the target exists and this user may not write it; it is unchanged
};

SaveResult SaveFileSafely(const std::string& path, std::string_view bytes);

// The same with the file's bytes in pieces, written one after another, so a
// large block is written from where it lies rather than copied first.
SaveResult SaveFileSafely(const std::string& path, std::initializer_list<std::string_view> pieces);
