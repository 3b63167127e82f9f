#include "shell/palette.h"

#include "calculator/calculator_dlg.h"

namespace zentabl {

QColor TypingColour() {
    return FromOleColor(kEditingColor);
}
QColor SetColour() {
    return FromOleColor(kSetColor);
}
QColor DisplayBackground() {
    return QColor(0x12, 0x16, 0x1c);
}
QString DisplayFontFamily() {
    return QStringLiteral("DejaVu Sans Mono");
}

} // namespace zentabl
