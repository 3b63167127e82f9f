#include "archive/register_file.h"
#include "archive_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A loaded packed matrix must describe itself: whole counts whose product is
// the number of elements that follow.
void ExpectConsistent(const PackedMatrix& packed) {
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(static_cast<double>(packed.size() - 2), packed[0] * packed[1]);
}

// Random bytes, and valid files with random bytes overwritten, through both the
// in-memory and the file loader.
TEST(RegisterFileRobustness, RandomAndMutatedBytes) {
    ScratchDirectory directory("robust");
    const std::string file = directory.File("RegR");
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> byte(0, 255);
        for (int round = 0; round < 150; ++round) {
            std::string bytes;
            if (round % 2 == 0) {
                bytes.resize(std::uniform_int_distribution<std::size_t>(0, 80)(random));
                for (char& b : bytes)
                    b = static_cast<char>(byte(random));
            } else {
                const int rows = round % 5;
                const int columns = round % 7;
                PackedMatrix packed{double(rows), double(columns)};
                packed.resize(2 + rows * columns, 1.5);
                bytes = SerializePacked(packed);
                const int changes = 1 + round % 3;
                for (int i = 0; i < changes; ++i)
                    bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random)] =
                        static_cast<char>(byte(random));
                bytes.resize(std::uniform_int_distribution<std::size_t>(0, bytes.size())(random));
            }
            WriteBytes(file, bytes);
            PackedMatrix fromMemory{0, 0};
            PackedMatrix fromFile{0, 0};
            ResetLargestAllocation();
            const RegisterFileResult memoryResult = DeserializePacked(bytes, fromMemory);
            const RegisterFileResult fileResult = ReadRegisterFile(file, fromFile);
            EXPECT_LE(LargestAllocation(), bytes.size() + 1024);
            EXPECT_EQ(memoryResult, fileResult);
            EXPECT_EQ(fromMemory, fromFile);
            ExpectConsistent(fromFile);
        }
    }
}

} // namespace
