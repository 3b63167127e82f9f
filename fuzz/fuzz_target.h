#pragma once
// The entry point every reader's fuzz target defines. libFuzzer calls it with
// each input it tries; the replay driver (replay_main.cpp) calls it with each
// file of a corpus. It returns 0; a fault aborts the process.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
