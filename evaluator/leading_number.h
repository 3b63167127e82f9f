#pragma once

#include <string_view>

// The value of the longest decimal number at the start of `text`
// (digits, an optional fraction, an optional exponent), 0 when there is
// none. Hexadecimal, "inf" and "nan" are not numbers here, so a word like
// 0x10 reads as 0 and 12ab as 12. Values beyond the double range become
// infinite.
double ReadLeadingNumber(std::string_view text);
