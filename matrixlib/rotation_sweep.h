#pragma once
// Sweeps of plane rotations down a row-major store, as QL steps make them:
// each rotation couples a row with the one above it, and the next rotation
// of the sweep takes the row above that. Sweeps are gathered and applied
// together, in blocks of columns that stay in cache while every gathered
// sweep passes over them, with the row carried from one rotation to the
// next held in registers; the blocks are split between two threads. Every
// element sees the rotations in the same order and with the same operations
// as rotating row pair after row pair, sweep after sweep, so the result
// does not change by a bit.

#include <cstddef>
#include <vector>

namespace ztmath::detail {

class RotationSweeps {
  public:
    // `rows` is a row-major store of rows of `length` doubles. Sweeps still
    // gathered when it goes are dropped: Apply first.
    RotationSweeps(double* rows, int length);
    RotationSweeps(const RotationSweeps&) = delete;
    RotationSweeps& operator=(const RotationSweeps&) = delete;

    // A sweep of `count` rotations: rotation k acts on rows r = bottom − 1 − k
    // (upper) and r + 1 (lower), counted from 0, as
    //   lower ← s_k·upper + c_k·lower,  upper ← c_k·upper − s_k·lower.
    // It may be applied at once or later, before the next Apply returns.
    void Add(int bottom, int count, const double* c, const double* s);
    // Applies every sweep added so far.
    void Apply();

  private:
    struct Sweep {
        int bottom;
        int count;
        std::size_t first; // its rotations' place in c_ and s_
    };

    void ApplyToColumns(int begin, int end) const;

    double* rows_;
    int length_;
    std::vector<Sweep> sweeps_;
    std::vector<double> c_;
    std::vector<double> s_;
};

} // namespace ztmath::detail
