#pragma once
// Work on the columns of a row-major store split between two threads. Each
// column's elements see the same operations in the same order whichever
// thread runs them, so the results do not depend on the split.

#include <functional>

namespace ztmath::detail {

// Runs work(begin, end) over column ranges that together cover 0..columns:
// two halves on two threads when the machine has a second core and the
// rows are long enough to pay for a thread, else the whole range here.
void ForColumnHalves(int columns, const std::function<void(int, int)>& work);

} // namespace ztmath::detail
