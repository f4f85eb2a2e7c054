#pragma once
// Child processes timed by the benchmarks.
#include <string>
#include <vector>

#include "bench/Timing.h"

namespace Bench
{
    // Runs a program with its output to /dev/null or to `output`; its wall
    // time in ms, or -1 when it could not run or did not exit with 0.
    double runProgram(const std::vector<std::string>& args, std::string* output = nullptr);
    // The median wall time of seven runs, in ms.
    double medianWallMs(const std::vector<std::string>& args);
}
