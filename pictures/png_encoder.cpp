#include "pictures/png_encoder.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>

namespace {

void AppendBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void AppendChunk(std::string& out, const char type[4], const std::string& data) {
    AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + typeAt);
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), bytes, static_cast<uInt>(4 + data.size()));
    AppendBigEndian(out, static_cast<std::uint32_t>(crc));
}

} // namespace

std::string EncodePng(const Raster& raster) {
    std::string out("\x89PNG\r\n\x1a\n", 8);

    std::string header;
    AppendBigEndian(header, static_cast<std::uint32_t>(raster.width));
    AppendBigEndian(header, static_cast<std::uint32_t>(raster.height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter, no interlace
    AppendChunk(out, "IHDR", header);

    std::string rows;
    rows.reserve(static_cast<std::size_t>(raster.height) * (1 + 3 * raster.width));
    for (int y = 0; y < raster.height; ++y) {
        rows.push_back('\0'); // filter: none
        for (int x = 0; x < raster.width; ++x) {
            const Rgb& pixel = raster.pixels[static_cast<std::size_t>(y) * raster.width + x];
            rows.push_back(static_cast<char>(pixel.r));
            rows.push_back(static_cast<char>(pixel.g));
            rows.push_back(static_cast<char>(pixel.b));
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.data()), static_cast<uLong>(rows.size()),
                  Z_BEST_SPEED) != Z_OK)
        throw std::runtime_error("The picture could not be compressed");
    packed.resize(packedSize);
    AppendChunk(out, "IDAT", packed);
    AppendChunk(out, "IEND", {});
    return out;
}
