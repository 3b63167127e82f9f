#include "calculator/display_text.h"

#include <cstring>

namespace {

bool IsPairAt(const std::string& text, std::size_t index) {
    return text[index] == '\r' && index + 1 < text.size() && text[index + 1] == '\n';
}

} // namespace

std::size_t TextIndexOfPosition(const std::string& text, int position) {
    std::size_t index = 0;
    for (int walked = 0; walked < position && index < text.size(); ++walked)
        index += IsPairAt(text, index) ? 2 : 1;
    return index;
}

int PositionOfTextIndex(const std::string& text, std::size_t index) {
    int position = 0;
    for (std::size_t i = 0; i < index && i < text.size(); ++position)
        i += IsPairAt(text, i) ? 2 : 1;
    return position;
}

int PositionCount(const std::string& text) {
    // Every character is a position but the LF of each CR LF pair; LFs are
    // found by memchr, which large texts make worth it.
    std::size_t pairs = 0;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (const char* p = begin; p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!p) break;
        if (p > begin && p[-1] == '\r') ++pairs;
    }
    return static_cast<int>(text.size() - pairs);
}

int LineOfPosition(const std::string& text, int position) {
    const std::size_t end = TextIndexOfPosition(text, position);
    int line = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (IsPairAt(text, i)) {
            ++line;
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            ++line;
        }
    }
    return line;
}

std::size_t LastCharacterIndex(const std::string& text) {
    const std::size_t size = text.size();
    return size >= 2 && IsPairAt(text, size - 2) ? size - 2 : size - 1;
}
