#pragma once
// Plane rotations of neighbouring rows, gathered and applied in batches:
// each batch runs over the rows in column blocks that stay in cache, on
// two threads (column_halves.h). Every element sees the rotations in the
// order they were added, so the result is the one rotating at once gives.

#include <vector>

namespace ztmath::detail {

class RotationBatch {
  public:
    // `rows` is a row-major store of rowCount rows of `length` doubles.
    // Rotations still pending when it goes are dropped: Flush first.
    RotationBatch(double* rows, int rowCount, int length);
    RotationBatch(const RotationBatch&) = delete;
    RotationBatch& operator=(const RotationBatch&) = delete;

    // Rows `upper` and upper + 1 (counted from 0) become
    //   upper' = c·upper − s·lower,  lower' = s·upper + c·lower.
    void Add(int upper, double c, double s);
    // Applies every rotation added so far.
    void Flush();

  private:
    struct Rotation {
        int upper;
        double c, s;
    };

    void ApplyToColumns(int begin, int end) const;

    double* rows_;
    int length_;
    std::vector<Rotation> pending_;
};

} // namespace ztmath::detail
