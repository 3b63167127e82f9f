#include "scripting/script_text.h"

#include <cstdio>

#include "scripting/script_error.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::string Quote(const std::string& text) {
    std::string quoted = "\"";
    quoted.reserve(text.size() + 2);
    for (const char c : text) {
        switch (c) {
        case '\r':
            quoted += "\\r";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
                quoted += hex;
            } else {
                quoted += c;
            }
        }
    }
    quoted += '"';
    return quoted;
}

std::string Unquote(const std::string& line, std::size_t& pos) {
    if (pos >= line.size() || line[pos] != '"') throw ScriptError{"expected a quoted string"};
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++pos >= line.size()) break;
        switch (line[pos]) {
        case 'r':
            text += '\r';
            break;
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case '"':
            text += '"';
            break;
        case '\\':
            text += '\\';
            break;
        case 'x': {
            const int high = pos + 1 < line.size() ? HexValue(line[pos + 1]) : -1;
            const int low = pos + 2 < line.size() ? HexValue(line[pos + 2]) : -1;
            if (high < 0 || low < 0) throw ScriptError{"bad \\x escape"};
            text += static_cast<char>(high * 16 + low);
            pos += 2;
            break;
        }
        default:
            throw ScriptError{std::string("unknown escape \\") + line[pos]};
        }
    }
    throw ScriptError{"unterminated string"};
}
