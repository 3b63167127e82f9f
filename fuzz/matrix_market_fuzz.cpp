// MatrixMarket files from anywhere. A file that reads is written in the
// array form and must read as the same matrix. A few sparse entries may
// rightly ask for a large dense matrix: under the allocation cap it is
// refused as memory running out.

#include "fuzz/allocation_cap.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"
#include "interchange/matrix_market.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const AllocationCap cap;
    const MatrixImport import = ReadMatrixMarket(text);
    if (!import.Read()) return 0;
    const MatrixImport again = ReadMatrixMarket(MatrixMarketText(import.matrix, import.complex));
    CheckInvariant(again.Read() && again.complex == import.complex, "a MatrixMarket file written reads back");
    CheckInvariant(SameMatrix(again.matrix, import.matrix), "a MatrixMarket file written reads back as the same matrix");
    return 0;
}
