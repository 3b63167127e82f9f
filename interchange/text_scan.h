#pragma once
// Small scanning steps the notation readers share; positions are indexes
// into the text and never pass its end.

#include <cstddef>
#include <string_view>

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsWhiteSpace(char c) { return IsBlank(c) || c == '\r' || c == '\n'; }

inline std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    return at;
}

inline std::size_t SkipWhiteSpace(std::string_view text, std::size_t at) {
    while (at < text.size() && IsWhiteSpace(text[at])) ++at;
    return at;
}

inline bool StartsAt(std::string_view text, std::size_t at, std::string_view word) {
    return at <= text.size() && text.substr(at).starts_with(word);
}

inline bool CharacterAt(std::string_view text, std::size_t at, char c) {
    return at < text.size() && text[at] == c;
}

// The index after the last character that is not white space.
inline std::size_t TrimmedEnd(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsWhiteSpace(text[end - 1])) --end;
    return end;
}
