// The complex matrix text as SE reads it: a valid text as ParseComplex reads
// it, with the validator's fault otherwise. The complex writer has no exact
// format, so the invariant is that its text is stable: written, read and
// written again, a matrix gives the same text.

#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"
#include "matrixtext/matrix_text.h"

#include <string>

namespace {

void CheckStableText(const NEWMAT::Matrix& dual, int decimals, ColumnLayout layout) {
    if (dual.Nrows() == 0 || dual.Ncols() < 2) return;
    const std::string written = FormatComplex(dual, 0, decimals, layout);
    const EntryReading reread = ReadEntryText(written, true);
    CheckInvariant(reread.fault.index == kEntryValid || written.find_first_of("ain") != std::string::npos,
                   "written complex text of finite numbers passes the validator");
    CheckInvariant(FormatComplex(ParseComplex(written), 0, decimals, layout) == written,
                   "complex text written, read and written again is the same text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const EntryReading entry = ReadEntryText(text, true);
    CheckInvariant(entry.fault.index == ValidateEntryText(text, true),
                   "SE finds the fault the validator finds in a complex text");
    CheckInvariant(entry.fault.index == kEntryValid || entry.fault.at < text.size(),
                   "the fault of a complex entry lies inside the text");
    if (entry.fault.index == kEntryValid)
        CheckInvariant(SameMatrix(entry.matrix, ParseComplex(text)),
                       "SE reads a valid complex text as ParseComplex does");
    CheckStableText(entry.matrix, 4, ColumnLayout::AsWritten);
    CheckStableText(entry.matrix, 9, ColumnLayout::Aligned);
    CheckStableText(ParseComplex(text), 2, ColumnLayout::Aligned);
    return 0;
}
