#include "interchange/npy_file.h"

#include "archive/safe_save.h"
#include "interchange/file_saving.h"
#include "interchange/npy_header.h"
#include "interchange/input_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

template <typename T> T Load(const unsigned char* at, bool swap) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, at, sizeof(T));
    if (swap) std::reverse(bytes, bytes + sizeof(T));
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
}

// The elements of `data` in file order into `out`, a rows x columns matrix
// (rows x 2 columns in the dual layout for complex types). T is the type of
// one number (one part of a complex element).
template <typename T> void Decode(const unsigned char* data, const NpyLayout& layout, double* out) {
    const bool swap = layout.bigEndian != (std::endian::native == std::endian::big);
    const std::size_t rows = layout.rows;
    const std::size_t columns = layout.columns;
    const bool complex = layout.IsComplex();
    const std::size_t stride = complex ? 2 * columns : columns;
    const auto put = [&](std::size_t i, std::size_t j) {
        double* element = out + i * stride + j;
        *element = static_cast<double>(Load<T>(data, swap));
        data += sizeof(T);
        if (!complex) return;
        element[columns] = static_cast<double>(Load<T>(data, swap));
        data += sizeof(T);
    };
    if (layout.fortranOrder) {
        for (std::size_t j = 0; j < columns; ++j)
            for (std::size_t i = 0; i < rows; ++i) put(i, j);
    } else {
        for (std::size_t i = 0; i < rows; ++i)
            for (std::size_t j = 0; j < columns; ++j) put(i, j);
    }
}

void DecodeBool(const unsigned char* data, const NpyLayout& layout, double* out) {
    NpyLayout bytes = layout;
    bytes.kind = 'u';
    Decode<std::uint8_t>(data, bytes, out);
    const std::size_t count = layout.rows * layout.columns;
    for (std::size_t k = 0; k < count; ++k) out[k] = out[k] != 0 ? 1.0 : 0.0;
}

void DecodeData(const unsigned char* data, const NpyLayout& layout, double* out) {
    switch (layout.kind) {
    case 'b': return DecodeBool(data, layout, out);
    case 'f':
    case 'c':
        if (layout.itemBytes / (layout.IsComplex() ? 2 : 1) == 4) return Decode<float>(data, layout, out);
        return Decode<double>(data, layout, out);
    case 'i':
        switch (layout.itemBytes) {
        case 1: return Decode<std::int8_t>(data, layout, out);
        case 2: return Decode<std::int16_t>(data, layout, out);
        case 4: return Decode<std::int32_t>(data, layout, out);
        default: return Decode<std::int64_t>(data, layout, out);
        }
    default:
        switch (layout.itemBytes) {
        case 1: return Decode<std::uint8_t>(data, layout, out);
        case 2: return Decode<std::uint16_t>(data, layout, out);
        case 4: return Decode<std::uint32_t>(data, layout, out);
        default: return Decode<std::uint64_t>(data, layout, out);
        }
    }
}

// The data is exactly the matrix's store: float64 in this machine's byte
// order, C order.
bool IsStoreLayout(const NpyLayout& layout) {
    return layout.kind == 'f' && layout.itemBytes == 8 && !layout.fortranOrder &&
           layout.bigEndian == (std::endian::native == std::endian::big);
}

std::string SizeMismatch(std::size_t has, const NpyLayout& layout) {
    return "The .npy file holds " + std::to_string(has) + " bytes of data where its header promises " +
           std::to_string(layout.DataBytes()) + ".";
}

// Sizes the matrix for the layout; an empty array gives the empty matrix.
void SizeFor(const NpyLayout& layout, MatrixImport& import) {
    import.complex = layout.IsComplex();
    if (layout.IsEmpty()) return;
    const int columns = static_cast<int>(layout.columns) * (import.complex ? 2 : 1);
    import.matrix.ReSize(static_cast<int>(layout.rows), columns);
}

} // namespace

MatrixImport ReadNpy(std::string_view bytes) {
    return GuardedImport([&](MatrixImport& import) -> std::string {
        const NpyHeader header = ReadNpyHeader(bytes);
        if (!header.error.empty()) return header.error;
        const NpyLayout& layout = header.layout;
        const std::size_t has = bytes.size() - layout.dataOffset;
        if (has != layout.DataBytes()) return SizeMismatch(has, layout);
        SizeFor(layout, import);
        if (import.matrix.Storage() > 0)
            DecodeData(reinterpret_cast<const unsigned char*>(bytes.data() + layout.dataOffset), layout,
                       import.matrix.Store());
        return {};
    });
}

MatrixImport ImportNpyFile(const std::string& path) {
    return GuardedImport([&](MatrixImport& import) -> std::string {
        InputFile file(path);
        if (!file.IsOpen()) return "The file cannot be opened.";
        std::string start(std::min(file.Size(), kNpyPreambleBytes), '\0');
        if (!file.Read(start.data(), start.size())) return "The file cannot be read.";
        const std::size_t headerEnd = NpyHeaderEnd(start);
        if (headerEnd > start.size() && headerEnd <= file.Size() && headerEnd - start.size() <= kNpyLargestHeader) {
            start.resize(headerEnd);
            if (!file.Read(start.data() + kNpyPreambleBytes, headerEnd - kNpyPreambleBytes))
                return "The file cannot be read.";
        }
        const NpyHeader header = ReadNpyHeader(start);
        if (!header.error.empty()) return header.error;
        const NpyLayout& layout = header.layout;
        const std::size_t has = file.Size() - layout.dataOffset;
        if (has != layout.DataBytes()) return SizeMismatch(has, layout);
        SizeFor(layout, import);
        if (import.matrix.Storage() == 0) return {};
        if (IsStoreLayout(layout)) {
            if (!file.Read(import.matrix.Store(), has)) return "The file cannot be read.";
            return {};
        }
        const std::unique_ptr<unsigned char[]> data(new unsigned char[has]);
        if (!file.Read(data.get(), has)) return "The file cannot be read.";
        DecodeData(data.get(), layout, import.matrix.Store());
        return {};
    });
}

std::string NpyBytes(const NEWMAT::Matrix& matrix, bool complexMode) {
    const std::size_t rows = static_cast<std::size_t>(matrix.Nrows());
    const std::size_t columns = static_cast<std::size_t>(complexMode ? matrix.Ncols() / 2 : matrix.Ncols());
    std::string bytes = NpyHeaderBytes(rows, columns, complexMode);
    const std::size_t header = bytes.size();
    bytes.resize(header + rows * columns * (complexMode ? 16 : 8));
    char* out = bytes.data() + header;
    for (std::size_t i = 0; i < rows; ++i) {
        const double* row = matrix.Store() + i * static_cast<std::size_t>(matrix.Ncols());
        for (std::size_t j = 0; j < columns; ++j) {
            // The store is in this machine's byte order; numpy's '<' is little-endian.
            const double parts[2] = {row[j], complexMode ? row[columns + j] : 0.0};
            for (int part = 0; part < (complexMode ? 2 : 1); ++part) {
                std::uint64_t bits = std::bit_cast<std::uint64_t>(parts[part]);
                if constexpr (std::endian::native == std::endian::big) bits = __builtin_bswap64(bits);
                std::memcpy(out, &bits, 8);
                out += 8;
            }
        }
    }
    return bytes;
}

std::string ExportNpyFile(const std::string& path, const NEWMAT::Matrix& matrix, bool complexMode) {
    if (!complexMode && std::endian::native == std::endian::little) {
        // The store is the data as it is: written from where it lies.
        const std::string header =
            NpyHeaderBytes(static_cast<std::size_t>(matrix.Nrows()), static_cast<std::size_t>(matrix.Ncols()), false);
        const std::string_view data(reinterpret_cast<const char*>(matrix.Store()),
                                    static_cast<std::size_t>(matrix.Storage()) * sizeof(double));
        return SaveMessage(SaveFileSafely(path, {header, data}));
    }
    return SaveMessage(SaveFileSafely(path, NpyBytes(matrix, complexMode)));
}
