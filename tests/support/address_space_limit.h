#pragma once
// Runs a piece of work in a child process whose address space may grow only
// a little beyond what it has mapped, so that allocations fail as they
// would on a machine out of memory, without touching the test process.
// AddressSanitizer reserves terabytes of address space and cannot run under
// such a limit; tests skip themselves there (kAddressSpaceLimitUsable).

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSpaceLimitUsable = false;
#else
inline constexpr bool kAddressSpaceLimitUsable = true;
#endif

// True when `work` returned true in a child limited to what it has mapped
// plus `extraBytes`; a child that crashed or exited otherwise is false.
inline bool PassesUnderAddressSpaceLimit(unsigned long long extraBytes,
                                         const std::function<bool()>& work) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        unsigned long long pages = 0;
        std::FILE* statm = std::fopen("/proc/self/statm", "r");
        if (!statm || std::fscanf(statm, "%llu", &pages) != 1) _exit(3);
        std::fclose(statm);
        const rlimit limit{pages * sysconf(_SC_PAGE_SIZE) + extraBytes,
                           pages * sysconf(_SC_PAGE_SIZE) + extraBytes};
        if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(4);
        bool passed = false;
        try {
            passed = work();
        } catch (...) {
            // an escaped exception fails the work like a false
        }
        std::fflush(nullptr);
        _exit(passed ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
