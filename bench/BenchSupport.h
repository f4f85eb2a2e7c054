#pragma once
// Timing and child processes, shared by the benchmarks.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace Bench
{
    using Clock = std::chrono::steady_clock;

    double msSince(Clock::time_point start);
    double median(std::vector<double> values);
    // The median time of `runs` runs of `run`, in ms.
    double medianMs(const std::function<void()>& run, int runs = 7);

    // Runs a program with its output to /dev/null or to `output`; its wall
    // time in ms, or -1 when it could not run or did not exit with 0.
    double runProgram(const std::vector<std::string>& args, std::string* output = nullptr);
    // The median wall time of seven runs, in ms.
    double medianWallMs(const std::vector<std::string>& args);
}
