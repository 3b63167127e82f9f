#pragma once

#include <QString>

namespace zentabl {

inline QString ProgramName() {
    return QStringLiteral("Zentabl");
}
inline QString ProgramVersion() {
    return QStringLiteral(ZT_VERSION);
}

} // namespace zentabl
