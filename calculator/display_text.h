#pragma once
// Positions in the display text. The display holds its line breaks as CR LF
// but counts each pair as one position, as a text box shows it; any other
// character, a lone CR or LF included, is one position.

#include <cstddef>
#include <string>

// The index in `text` of display position `position`, clamped to the text.
std::size_t TextIndexOfPosition(const std::string& text, int position);

// The display position of index `index` of `text` (clamped to the text).
int PositionOfTextIndex(const std::string& text, std::size_t index);

// The number of positions in `text`.
int PositionCount(const std::string& text);

// The zero-based line of display position `position`.
int LineOfPosition(const std::string& text, int position);

// Where the last position of a non-empty `text` starts (a final CR LF is one).
std::size_t LastCharacterIndex(const std::string& text);
