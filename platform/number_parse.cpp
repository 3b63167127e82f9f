#include "platform/number_parse.h"

#include "platform/plain_decimal.h"

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

bool IsDecimalNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
}

// Longest number handed to fast_float by ReadCNumber; longer ones go to
// strtod, so a long run of number characters is never scanned twice.
constexpr int kMaxDecimalRun = 64;

} // namespace

double ReadCNumber(const char* text, const char** end) {
    const char* start = text;
    while (IsCSpace(*start))
        ++start;
    const char* run = start;
    while (IsDecimalNumberCharacter(*run) && run - start <= kMaxDecimalRun)
        ++run;
    double value = 0;
    if (run - start <= kMaxDecimalRun) {
        if (const char* stop =
                ReadDecimalAsStrtod(start, run, fast_float::chars_format::general, value)) {
            *end = stop;
            return value;
        }
    }
    char* stop = nullptr;
    value = strtod_l(text, &stop, CLocale());
    *end = stop;
    return value;
}

double ParseLeadingDouble(const std::string& text) {
    const char* end = nullptr;
    return ReadCNumber(text.c_str(), &end);
}
