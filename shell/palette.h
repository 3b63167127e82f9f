#pragma once
// Colours and faces of the window. The entry-state colours themselves belong
// to the calculator core; this only turns its OLE colours into Qt colours.

#include <QColor>
#include <QString>

#include <cstdint>

namespace zentabl {

// OLE colours are 0x00BBGGRR.
inline QColor FromOleColor(std::uint32_t ole) {
    return QColor(int(ole & 0xFF), int((ole >> 8) & 0xFF), int((ole >> 16) & 0xFF));
}
inline std::uint32_t ToOleColor(const QColor& c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) |
           (std::uint32_t(c.blue()) << 16);
}

QColor TypingColour(); // the display's text while the user types
QColor SetColour();    // the display's text while it shows a set matrix
QColor DisplayBackground();
QString DisplayFontFamily();

} // namespace zentabl
