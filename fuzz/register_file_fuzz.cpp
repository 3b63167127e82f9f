// Register files from anywhere: the bytes read in memory, from a file into a
// packed matrix and from a file straight into a matrix. The three readers
// must agree, and a register read and saved gives back the bytes it was
// read from (up to the last element its header promises).

#include "archive/packed_matrix.h"
#include "archive/register_file.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"
#include "fuzz/scratch_folder.h"

#include <fstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PackedMatrix packed;
    const RegisterFileResult inMemory = DeserializePacked(bytes, packed);
    if (inMemory == RegisterFileResult::Ok) {
        const std::string saved = SerializePacked(packed);
        CheckInvariant(bytes.substr(0, saved.size()) == saved,
                       "a register read and saved gives the bytes it was read from");
    }

    const std::string file = (ScratchFolder() / "RegA").string();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    PackedMatrix fromFile;
    CheckInvariant(ReadRegisterFile(file, fromFile) == inMemory,
                   "a register file reads as its bytes do");
    NEWMAT::Matrix matrix;
    CheckInvariant(ReadRegisterMatrix(file, matrix) == inMemory,
                   "a register file reads into a matrix as into a packed matrix");
    if (inMemory == RegisterFileResult::Ok) {
        CheckInvariant(SerializePacked(fromFile) == SerializePacked(packed),
                       "a register file holds what its bytes hold");
        CheckInvariant(SameMatrix(matrix, UnpackMatrix(packed)),
                       "a register file read into a matrix is its unpacked matrix");
    }
    return 0;
}
