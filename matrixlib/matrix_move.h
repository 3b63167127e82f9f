#pragma once
// Handing a matrix's storage on instead of copying it. newmat has no move
// constructor: std::move on a Matrix copies every element. A matrix marked
// with Release() gives its storage to the next matrix built or assigned
// from it and is left empty (0 x 0).

#include <newmat.h>

// `target` takes over the storage of `source`, which is left empty; what
// `target` held is freed. No element is copied and nothing is allocated.
inline void MoveMatrix(NEWMAT::Matrix& target, NEWMAT::Matrix& source) {
    if (&target == &source) return;
    source.Release();
    target = source;
}
