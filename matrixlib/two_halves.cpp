#include "matrixlib/two_halves.h"

#include <sched.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace ztmath::detail {

namespace {

// How long either side polls before it sleeps: the kernels hand over
// halves every few microseconds while they run, and a sleeping thread takes
// tens of microseconds to wake.
constexpr std::chrono::microseconds kPolling{200};

// The cores this process may run on: a process held to one core would only
// have its two halves wait on each other.
int UsableCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0)
        return static_cast<int>(std::thread::hardware_concurrency());
    return CPU_COUNT(&set);
}

template <typename Ready>
bool PollFor(Ready ready) {
    const auto until = std::chrono::steady_clock::now() + kPolling;
    do {
        for (int spin = 0; spin < 64; ++spin)
            if (ready()) return true;
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

// Made once and never destroyed: at exit its thread just ends with the
// process, instead of being joined while other statics go.
class HalfWorker {
  public:
    HalfWorker() : owner_(getpid()) {
        if (UsableCores() < 2) return;
        try {
            thread_ = std::thread([this] { Serve(); });
        } catch (const std::system_error&) {
            // No thread to be had: every call runs both halves here.
        }
    }

    void Run(const std::function<void(int)>& half) {
        // A child made by fork has no copy of the helper thread.
        if (!thread_.joinable() || getpid() != owner_) {
            half(0);
            half(1);
            return;
        }
        const std::lock_guard<std::mutex> turn(callers_);
        job_ = &half;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            posted_.fetch_add(1, std::memory_order_release);
        }
        wake_.notify_one();
        half(0);
        const unsigned expected = posted_.load(std::memory_order_relaxed);
        const auto finished = [&] { return done_.load(std::memory_order_acquire) == expected; };
        if (!PollFor(finished)) {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, finished);
        }
    }

  private:
    void Serve() {
        unsigned seen = 0;
        for (;;) {
            const auto posted = [&] { return posted_.load(std::memory_order_acquire) != seen; };
            if (!PollFor(posted)) {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, posted);
            }
            seen = posted_.load(std::memory_order_acquire);
            (*job_)(1);
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                done_.store(seen, std::memory_order_release);
            }
            wake_.notify_all();
        }
    }

    std::mutex callers_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<unsigned> posted_{0};
    std::atomic<unsigned> done_{0};
    const std::function<void(int)>* job_ = nullptr;
    const pid_t owner_;
    std::thread thread_;
};

} // namespace

void RunHalves(const std::function<void(int half)>& half) {
    static HalfWorker* const worker = new HalfWorker;
    worker->Run(half);
}

} // namespace ztmath::detail
