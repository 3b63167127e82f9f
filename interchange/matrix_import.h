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

// Runs `read(import)`, which fills the matrix and returns "" or the reason
// for a refusal; memory running out (newmat's or the standard library's)
// and any other exception become a refusal too, so no reader throws out. A
// refused import holds no matrix. The one MatrixImport is built in place and
// returned without a copy of its matrix (newmat's matrices copy their
// elements).
template <typename Read> MatrixImport GuardedImport(Read read) {
    MatrixImport import;
    try {
        import.error = read(import);
    } catch (const std::bad_alloc&) {
        import.error = "Not enough memory to read the file.";
    } catch (const RBD_COMMON::Bad_alloc&) {
        import.error = "Not enough memory to read the file.";
    } catch (...) {
        import.error = "The file could not be read.";
    }
    if (!import.error.empty()) {
        import.matrix.CleanUp();
        import.complex = false;
    }
    return import;
}
