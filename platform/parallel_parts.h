#pragma once
// Work on large texts and matrices split into parts that run side by side,
// one on each core: the caller's thread takes the first part, a thread of its
// own each other. Every part must write only what is its own.

#include <cstddef>
#include <functional>

// How many parts `size` units of work are split into: one below `threshold`
// (starting threads would cost more than they save), else one per core, but
// never more than the units.
std::size_t PartsFor(std::size_t size, std::size_t threshold);

// Runs part(0) ... part(parts - 1) and returns when all have finished. A part
// whose thread cannot be started runs on the caller's thread. What a part
// throws is thrown again here, after every part has finished (the first
// part's exception when several throw).
void RunParts(std::size_t parts, const std::function<void(std::size_t)>& part);

// While one lives, PartsFor splits work of any size into `parts` parts (but
// never more than its units), so that tests and fuzz targets see small work
// split as large work is. One at a time, made and ended on the thread that
// calls PartsFor.
class ForcedParts {
  public:
    explicit ForcedParts(std::size_t parts);
    ~ForcedParts();
    ForcedParts(const ForcedParts&) = delete;
    ForcedParts& operator=(const ForcedParts&) = delete;
};
