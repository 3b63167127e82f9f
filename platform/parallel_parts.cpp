#include "platform/parallel_parts.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace {

std::size_t forcedParts = 0; // none forced

} // namespace

std::size_t PartsFor(std::size_t size, std::size_t threshold) {
    if (forcedParts > 0) return std::max<std::size_t>(1, std::min(forcedParts, size));
    if (size < threshold || size < 2) return 1;
    const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return std::min(cores, size);
}

void RunParts(std::size_t parts, const std::function<void(std::size_t)>& part) {
    std::vector<std::exception_ptr> failures(parts);
    const auto run = [&](std::size_t index) {
        try {
            part(index);
        } catch (...) {
            failures[index] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    std::vector<std::size_t> unstarted;
    threads.reserve(parts);
    unstarted.reserve(parts);
    for (std::size_t index = 1; index < parts; ++index) {
        try {
            threads.emplace_back(run, index);
        } catch (...) { // no thread to be had, or no memory for one
            unstarted.push_back(index);
        }
    }
    if (parts > 0) run(0);
    for (const std::size_t index : unstarted)
        run(index);
    for (std::thread& thread : threads)
        thread.join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

ForcedParts::ForcedParts(std::size_t parts) {
    forcedParts = parts;
}

ForcedParts::~ForcedParts() {
    forcedParts = 0;
}
