#pragma once
// Reads back the PNG files the pictures write (8-bit RGB, unfiltered rows),
// so tests can check sizes and pixels.

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pictures/colour_scale.h"

struct DecodedPng {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb At(int x, int y) const { return pixels.at(static_cast<std::size_t>(y) * width + x); }
};

inline std::uint32_t BigEndianAt(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// Empty (width 0) when the bytes are not such a PNG.
inline DecodedPng DecodePng(const std::string& bytes) {
    DecodedPng png;
    if (bytes.compare(0, 8, std::string("\x89PNG\r\n\x1a\n", 8)) != 0) return png;
    std::string packed;
    for (std::size_t at = 8; at + 8 <= bytes.size();) {
        const std::uint32_t length = BigEndianAt(bytes, at);
        const std::string type = bytes.substr(at + 4, 4);
        if (type == "IHDR") {
            png.width = static_cast<int>(BigEndianAt(bytes, at + 8));
            png.height = static_cast<int>(BigEndianAt(bytes, at + 12));
        } else if (type == "IDAT") {
            packed += bytes.substr(at + 8, length);
        }
        at += 12 + length;
    }
    uLongf size = static_cast<uLongf>(png.height) * (1 + 3 * png.width);
    std::vector<unsigned char> rows(size);
    if (uncompress(rows.data(), &size, reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK)
        return {};
    for (int y = 0; y < png.height; ++y)
        for (int x = 0; x < png.width; ++x) {
            const unsigned char* p = rows.data() + static_cast<std::size_t>(y) * (1 + 3 * png.width) + 1 + 3 * x;
            png.pixels.push_back({p[0], p[1], p[2]});
        }
    return png;
}
