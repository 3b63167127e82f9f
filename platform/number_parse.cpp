#include "platform/number_parse.h"

#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace {

// The "C" locale, created once: strtod_l with it reads "." as the decimal
// point whatever locale the process has switched to.
locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

double ReadCNumber(const char* text, const char** end) {
    char* stop = nullptr;
    const double value = strtod_l(text, &stop, CLocale());
    *end = stop;
    return value;
}

double ParseLeadingDouble(const std::string& text) {
    const char* end = nullptr;
    return ReadCNumber(text.c_str(), &end);
}

int ParseLeadingInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude >= limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
