// The real matrix text as SE reads it, and each reader on its own. SE's
// one-pass reading of a valid text gives what the reader for its kind of
// text gives, and its fault is the validator's; read in parts, as large
// texts are, any text gives what one reading gives. A matrix read, written
// with 17 significant digits and read again is the same matrix, in both
// column layouts.

#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"
#include "matrixtext/matrix_text.h"
#include "platform/parallel_parts.h"

#include <string>

namespace {

void CheckRereads(const NEWMAT::Matrix& read, ColumnLayout layout) {
    if (read.Nrows() == 0 || read.Ncols() == 0) return;
    const std::string written = FormatExponential(read, 2, 16, layout);
    CheckInvariant(SameMatrix(ParseRealExponent(written), read),
                   "a real matrix written with exponents reads back the same");
}

// The text split as a large one is, here into three parts cut at line
// starts, each read on a thread of its own.
void CheckReadInParts(const std::string& text, const EntryReading& entry,
                      const NEWMAT::Matrix& real, const NEWMAT::Matrix& exponent) {
    const ForcedParts forced(3);
    const EntryReading parted = ReadEntryText(text, false);
    CheckInvariant(parted.fault.index == entry.fault.index && parted.numbers == entry.numbers &&
                       parted.raggedRows == entry.raggedRows &&
                       SameMatrix(parted.matrix, entry.matrix),
                   "SE reads a text in parts as in one");
    CheckInvariant(SameMatrix(ParseReal(text), real), "ParseReal reads a text in parts as in one");
    CheckInvariant(SameMatrix(ParseRealExponent(text), exponent),
                   "ParseRealExponent reads a text in parts as in one");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const EntryReading entry = ReadEntryText(text, false);
    CheckInvariant(entry.fault.index == ValidateEntryText(text, false),
                   "SE finds the fault the validator finds in a real text");
    CheckInvariant(entry.fault.index == kEntryValid || entry.fault.at < text.size(),
                   "the fault of a real entry lies inside the text");
    if (entry.fault.index == kEntryValid) {
        const bool exponent = text.find_first_of("eE") != std::string::npos;
        CheckInvariant(entry.exponent == exponent, "SE tells a text with exponents");
        CheckInvariant(SameMatrix(entry.matrix, exponent ? ParseRealExponent(text) : ParseReal(text)),
                       "SE reads a real text as the reader of its kind does");
    }
    const NEWMAT::Matrix real = ParseReal(text);
    const NEWMAT::Matrix exponent = ParseRealExponent(text);
    CheckReadInParts(text, entry, real, exponent);
    CheckRereads(entry.matrix, ColumnLayout::AsWritten);
    CheckRereads(entry.matrix, ColumnLayout::Aligned);
    // SE picks one reader by the text; these see every text.
    CheckRereads(real, ColumnLayout::AsWritten);
    CheckRereads(exponent, ColumnLayout::Aligned);
    return 0;
}
