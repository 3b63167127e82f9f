// NumPy .npy files from anywhere: every input is read in memory. A file
// that reads is written back as float64 (complex128) and must read as the
// same matrix.

#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"
#include "interchange/npy_file.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MatrixImport import = ReadNpy(bytes);
    CheckInvariant(import.Read() || import.matrix.Storage() == 0, "a refused .npy file gives no matrix");
    if (!import.Read()) return 0;
    const MatrixImport again = ReadNpy(NpyBytes(import.matrix, import.complex));
    CheckInvariant(again.Read() && again.complex == import.complex, "a .npy file written reads back");
    CheckInvariant(SameMatrix(again.matrix, import.matrix), "a .npy file written reads back as the same matrix");
    return 0;
}
