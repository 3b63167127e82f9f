#include "interchange/npy_header.h"

#include "interchange/text_scan.h"
#include "matrixlib/allocation_limit.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kMagic = "\x93NUMPY";
// Larger extents are refused before any arithmetic on them.
constexpr std::uint64_t kLargestExtent = std::uint64_t{1} << 40;

NpyHeader Refused(std::string reason) {
    NpyHeader header;
    header.error = std::move(reason);
    return header;
}

std::size_t LengthFieldBytes(std::string_view bytes) {
    const unsigned char major = static_cast<unsigned char>(bytes[6]);
    return major == 1 ? 2 : 4;
}

// The Python literal of the header dict, read just far enough for the keys
// numpy writes.
class DictReader {
  public:
    explicit DictReader(std::string_view text) : text_(text) {}

    bool Accept(char c) {
        at_ = SkipWhiteSpace(text_, at_);
        if (!CharacterAt(text_, at_, c)) return false;
        ++at_;
        return true;
    }

    std::optional<std::string_view> String() {
        at_ = SkipWhiteSpace(text_, at_);
        if (at_ >= text_.size() || (text_[at_] != '\'' && text_[at_] != '"')) return std::nullopt;
        const std::size_t close = text_.find(text_[at_], at_ + 1);
        if (close == std::string_view::npos) return std::nullopt;
        const std::string_view value = text_.substr(at_ + 1, close - at_ - 1);
        at_ = close + 1;
        return value;
    }

    std::optional<bool> Boolean() {
        at_ = SkipWhiteSpace(text_, at_);
        for (const auto& [word, value] : {std::pair{std::string_view("True"), true}, {"False", false}}) {
            if (StartsAt(text_, at_, word)) {
                at_ += word.size();
                return value;
            }
        }
        return std::nullopt;
    }

    // "(2, 3)", "(5,)" or "()"; nullopt when malformed or an extent is
    // beyond kLargestExtent.
    std::optional<std::vector<std::uint64_t>> Shape() {
        if (!Accept('(')) return std::nullopt;
        std::vector<std::uint64_t> extents;
        while (!Accept(')')) {
            at_ = SkipWhiteSpace(text_, at_);
            std::uint64_t extent = 0;
            const std::size_t digits = at_;
            while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
                extent = extent * 10 + static_cast<std::uint64_t>(text_[at_++] - '0');
                if (extent > kLargestExtent) return std::nullopt;
            }
            if (at_ == digits || extents.size() == 32) return std::nullopt;
            extents.push_back(extent);
            if (!Accept(',') && !CharacterAt(text_, SkipWhiteSpace(text_, at_), ')')) return std::nullopt;
        }
        return extents;
    }

    bool AtEnd() { return SkipWhiteSpace(text_, at_) == text_.size(); }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// "<f8", "|b1", ">c16", ...: the layout's kind, size and byte order.
std::string ReadType(std::string_view descr, NpyLayout& layout) {
    const std::string unsupported = "NumPy arrays of type '" + std::string(descr) + "' are not supported.";
    if (descr.empty()) return unsupported;
    std::string_view rest = descr;
    if (std::string_view("<>|=").find(rest.front()) != std::string_view::npos) {
        layout.bigEndian = rest.front() == '>';
        rest.remove_prefix(1);
    }
    if (rest.empty()) return unsupported;
    const char kind = rest.front() == '?' ? 'b' : rest.front();
    rest.remove_prefix(1);
    int bytes = kind == 'b' && rest.empty() ? 1 : 0;
    for (char c : rest) {
        if (c < '0' || c > '9' || bytes > 100) return unsupported;
        bytes = bytes * 10 + (c - '0');
    }
    const bool known = (kind == 'f' && (bytes == 4 || bytes == 8)) ||
                       ((kind == 'i' || kind == 'u') && (bytes == 1 || bytes == 2 || bytes == 4 || bytes == 8)) ||
                       (kind == 'b' && bytes == 1) || (kind == 'c' && (bytes == 8 || bytes == 16));
    if (!known) return unsupported;
    layout.kind = kind;
    layout.itemBytes = bytes;
    return {};
}

bool IsPrintableAscii(std::string_view text) {
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\n' && c != '\t' && c != '\r') || u > 0x7e) return false;
    }
    return true;
}

} // namespace

std::size_t NpyHeaderEnd(std::string_view bytes) {
    if (bytes.size() < kNpyPreambleBytes || !bytes.starts_with(kMagic)) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(bytes[i])); };
    if (LengthFieldBytes(bytes) == 2) return 10 + (byte(8) | byte(9) << 8);
    return 12 + (byte(8) | byte(9) << 8 | byte(10) << 16 | byte(11) << 24);
}

NpyHeader ReadNpyHeader(std::string_view bytes) {
    if (!kMagic.starts_with(bytes.substr(0, kMagic.size()))) return Refused("This is not a NumPy .npy file.");
    if (bytes.size() < kNpyPreambleBytes) return Refused("The .npy file is truncated in its header.");
    const unsigned char major = static_cast<unsigned char>(bytes[6]);
    if (major < 1 || major > 3) return Refused("This .npy format version is not supported.");
    const std::size_t end = NpyHeaderEnd(bytes);
    const std::size_t start = 8 + LengthFieldBytes(bytes);
    if (end - start > kNpyLargestHeader) return Refused("The .npy header is too long.");
    if (end > bytes.size()) return Refused("The .npy file is truncated in its header.");
    const std::string_view text = bytes.substr(start, end - start);
    if (!IsPrintableAscii(text)) return Refused("The .npy header holds characters that are not ASCII.");

    NpyHeader header;
    NpyLayout& layout = header.layout;
    layout.dataOffset = end;
    DictReader dict(text);
    std::optional<std::string_view> descr;
    std::optional<bool> fortran;
    std::optional<std::vector<std::uint64_t>> shape;
    const NpyHeader damaged = Refused("The .npy header is damaged.");
    if (!dict.Accept('{')) return damaged;
    for (bool first = true;; first = false) {
        // Entries are separated by commas; one may follow the last.
        if (dict.Accept('}')) break;
        if (!first && !dict.Accept(',')) return damaged;
        if (!first && dict.Accept('}')) break;
        const std::optional<std::string_view> key = dict.String();
        if (!key || !dict.Accept(':')) return damaged;
        if (*key == "descr" && !descr) {
            if (dict.Accept('[')) return Refused("NumPy arrays of structured types are not supported.");
            descr = dict.String();
            if (!descr) return damaged;
        } else if (*key == "fortran_order" && !fortran) {
            fortran = dict.Boolean();
            if (!fortran) return damaged;
        } else if (*key == "shape" && !shape) {
            shape = dict.Shape();
            if (!shape) return Refused("The .npy header's shape is damaged or too large.");
        } else {
            return damaged;
        }
    }
    if (!dict.AtEnd() || !descr || !fortran || !shape) return damaged;
    if (std::string reason = ReadType(*descr, layout); !reason.empty()) return Refused(std::move(reason));
    layout.fortranOrder = *fortran;
    if (shape->size() > 2) return Refused("Only NumPy arrays of at most two dimensions can be read.");
    layout.rows = shape->size() == 2 ? (*shape)[0] : 1;
    layout.columns = shape->empty() ? 1 : shape->back();
    const double columns = static_cast<double>(layout.columns) * (layout.IsComplex() ? 2 : 1);
    if (!layout.IsEmpty() && !ztmath::MatrixSizeAllowed(static_cast<double>(layout.rows), columns))
        return Refused("The array is too large.");
    return header;
}

std::string NpyHeaderBytes(std::size_t rows, std::size_t columns, bool complex) {
    std::string dict = std::string("{'descr': '") + (complex ? "<c16" : "<f8") +
                       "', 'fortran_order': False, 'shape': (" + std::to_string(rows) + ", " +
                       std::to_string(columns) + "), }";
    const std::size_t unpadded = 10 + dict.size() + 1;
    dict.append((64 - unpadded % 64) % 64, ' ');
    dict += '\n';
    std::string header(kMagic);
    header += '\x01';
    header += '\x00';
    header += static_cast<char>(dict.size() & 0xff);
    header += static_cast<char>(dict.size() >> 8);
    return header + dict;
}
