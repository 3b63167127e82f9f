// The real matrix text as SE reads it, and each reader on its own. A matrix
// read, written with 17 significant digits and read again is the same
// matrix, in both column layouts.

#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"
#include "matrixtext/matrix_text.h"

#include <string>

namespace {

void CheckRereads(const NEWMAT::Matrix& read, ColumnLayout layout) {
    if (read.Nrows() == 0 || read.Ncols() == 0) return;
    const std::string written = FormatExponential(read, 2, 16, layout);
    CheckInvariant(SameMatrix(ParseRealExponent(written), read),
                   "a real matrix written with exponents reads back the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const EntryReading entry = ReadEntryText(text, false);
    CheckInvariant(entry.fault.index == kEntryValid || entry.fault.at <= text.size(),
                   "the fault of a real entry lies inside the text");
    CheckRereads(entry.matrix, ColumnLayout::AsWritten);
    CheckRereads(entry.matrix, ColumnLayout::Aligned);
    // SE picks one reader by the text; these see every text.
    CheckRereads(ParseReal(text), ColumnLayout::AsWritten);
    CheckRereads(ParseRealExponent(text), ColumnLayout::Aligned);
    return 0;
}
