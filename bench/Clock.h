#pragma once

#include <cstdint>
#include <ctime>

// CLOCK_MONOTONIC in nanoseconds: the clock a parent process can read before
// fork and compare with what its child prints.
inline std::int64_t MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}
