// The fingerprint that tells whether the display still holds the text a
// show wrote: any one changed, added or removed byte changes it.

#include "platform/text_fingerprint.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

TEST(TextFingerprint, EveryOneByteEditChangesIt) {
    std::mt19937 random(8);
    std::string text(1000, ' ');
    for (char& c : text)
        c = static_cast<char>('0' + random() % 10);
    const std::uint64_t original = TextFingerprint(text);
    EXPECT_EQ(TextFingerprint(std::string(text)), original);
    std::set<std::uint64_t> seen{original};
    // A changed byte at every place (the lanes' stretch and the padded tail).
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::string edited = text;
        edited[at] = edited[at] == '5' ? '6' : '5';
        EXPECT_TRUE(seen.insert(TextFingerprint(edited)).second) << at;
    }
    // One byte more or fewer, zeros included: the padding is not a byte.
    for (std::size_t size = 0; size <= 70; ++size) {
        EXPECT_TRUE(seen.insert(TextFingerprint(std::string(size, '\0'))).second) << size;
        if (size > 0) {
            EXPECT_TRUE(seen.insert(TextFingerprint(text.substr(0, size))).second) << size;
        }
    }
}
