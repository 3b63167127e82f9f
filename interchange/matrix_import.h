#pragma once
// What reading a matrix file gives: the matrix (a complex one in the dual
// layout [Re | Im]) and whether it is complex, or the reason it was refused.

#include <newmat.h>

#include <new>
#include <string>

struct MatrixImport {
    NEWMAT::Matrix matrix;
    bool complex = false;
    std::string error; // empty when the file was read

    bool Read() const { return error.empty(); }
};

MatrixImport ImportRefused(std::string reason);

// Runs `read`, turning memory running out (newmat's or the standard
// library's) and any other exception into a refusal, so that no reader
// throws out.
template <typename Read> MatrixImport GuardedImport(Read read) {
    try {
        return read();
    } catch (const std::bad_alloc&) {
        return ImportRefused("Not enough memory to read the file.");
    } catch (const RBD_COMMON::Bad_alloc&) {
        return ImportRefused("Not enough memory to read the file.");
    } catch (...) {
        return ImportRefused("The file could not be read.");
    }
}
