#pragma once
// Timing shared by the benchmarks.
#include <chrono>
#include <functional>
#include <vector>

namespace Bench
{
    using Clock = std::chrono::steady_clock;

    double msSince(Clock::time_point start);
    double median(std::vector<double> values);
    // The median time of `runs` runs of `run`, in ms.
    double medianMs(const std::function<void()>& run, int runs = 7);
}
