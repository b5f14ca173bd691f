#pragma once

// The clocks the benchmarks read, and the median they report.

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

namespace BenchClock {

/// The processor time this thread has used: unlike the clock on the wall, it
/// does not count the time other programs on a busy machine take.
inline std::chrono::nanoseconds threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

inline double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace BenchClock
