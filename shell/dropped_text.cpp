#include "shell/dropped_text.h"

#include <QFile>
#include <QUrl>

namespace zentabl {

namespace {

QString FirstLocalFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

} // namespace

bool CanReadDrop(const QMimeData* data) {
    return HoldsLocalFile(data) || (data && data->hasText());
}

bool HoldsLocalFile(const QMimeData* data) {
    return !FirstLocalFile(data).isEmpty();
}

std::optional<std::string> ReadTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestDroppedFile) return std::nullopt;
    const QByteArray bytes = file.read(kLargestDroppedFile + 1);
    if (bytes.size() > kLargestDroppedFile || bytes.contains('\0')) return std::nullopt;
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::string DroppedFilePath(const QMimeData* data) {
    const QByteArray path = QFile::encodeName(FirstLocalFile(data));
    return std::string(path.constData(), std::size_t(path.size()));
}

std::optional<std::string> ReadDrop(const QMimeData* data) {
    const QString path = FirstLocalFile(data);
    if (!path.isEmpty()) return ReadTextFile(path);
    if (data && data->hasText()) {
        const QByteArray bytes = data->text().toLatin1();
        return std::string(bytes.constData(), std::size_t(bytes.size()));
    }
    return std::nullopt;
}

} // namespace zentabl
