#pragma once
// A 64-bit fingerprint of a text, for telling whether a text of megabytes is
// still the one written earlier in the same run. It reads eight bytes at a
// time in four independent lanes, several times as fast as std::hash, and
// mixes every byte into the result; it is not meant to resist texts made to
// collide, nor to be kept between runs.

#include <cstdint>
#include <string_view>

std::uint64_t TextFingerprint(std::string_view text);
