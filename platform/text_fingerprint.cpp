#include "platform/text_fingerprint.h"

#include <cstring>

namespace {

constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15ull;

std::uint64_t Mix(std::uint64_t lane, std::uint64_t word) {
    lane = (lane ^ word) * kOdd;
    return lane ^ (lane >> 29);
}

} // namespace

std::uint64_t TextFingerprint(std::string_view text) {
    constexpr int kLanes = 4;
    std::uint64_t lanes[kLanes] = {1, 2, 3, 4};
    const char* p = text.data();
    std::size_t left = text.size();
    for (; left >= 8 * kLanes; left -= 8 * kLanes, p += 8 * kLanes)
        for (int l = 0; l < kLanes; ++l) {
            std::uint64_t word;
            std::memcpy(&word, p + 8 * l, 8);
            lanes[l] = Mix(lanes[l], word);
        }
    // The last bytes, padded with zeros: the length below tells the padding
    // from bytes that are zero.
    char tail[8 * kLanes] = {};
    std::memcpy(tail, p, left);
    for (int l = 0; l < kLanes; ++l) {
        std::uint64_t word;
        std::memcpy(&word, tail + 8 * l, 8);
        lanes[l] = Mix(lanes[l], word);
    }
    std::uint64_t fingerprint = Mix(0, text.size());
    for (int l = 0; l < kLanes; ++l)
        fingerprint = Mix(fingerprint, lanes[l]);
    return fingerprint;
}
