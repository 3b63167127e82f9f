#pragma once
// What a drop onto the display brings: the text of a dropped local file, or
// dropped plain text. Files that are too large or hold binary data are refused.

#include <QMimeData>

#include <optional>
#include <string>

namespace zentabl {

// A dropped file is read whole into memory; matrices of a thousand by a
// thousand elements stay well below this.
constexpr qint64 kLargestDroppedFile = 64ll * 1024 * 1024;

bool CanReadDrop(const QMimeData* data);
// Whether the drop brings a local file (whose text ReadDrop then reads).
bool HoldsLocalFile(const QMimeData* data);
std::optional<std::string> ReadDrop(const QMimeData* data);
// The dropped local file's path as the file system names it; "" when the
// drop brings none.
std::string DroppedFilePath(const QMimeData* data);
std::optional<std::string> ReadTextFile(const QString& path);

} // namespace zentabl
