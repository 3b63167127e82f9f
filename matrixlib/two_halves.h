#pragma once
// Work split in two halves that run side by side: the calling thread takes
// the first, a helper thread kept for the whole process the second. The
// kernels that use it split their work so that every element sees the same
// operations in the same order whichever thread runs it: results do not
// depend on the split or on the number of cores. Unlike RunParts
// (platform/parallel_parts.h), which starts a thread per call for the few
// large texts of a command, the helper thread here is kept and handed work
// thousands of times a second: QL sweeps measured 3–6 ms slower at order 500
// with a thread started per batch.

#include <functional>

namespace ztmath::detail {

// Runs half(0) and half(1) and returns when both have finished: side by
// side on a machine with a second core, else one after the other on this
// thread. `half` must not throw. Calls from several threads at once take
// turns.
void RunHalves(const std::function<void(int half)>& half);

} // namespace ztmath::detail
