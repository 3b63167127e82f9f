#include "interchange/round_trip_number.h"

#include <charconv>

std::string RoundTripNumber(double value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}
