#include "bench/Timing.h"

#include <algorithm>

namespace Bench
{
    double msSince(Clock::time_point start)
    {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }

    double median(std::vector<double> values)
    {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

    double medianMs(const std::function<void()>& run, int runs)
    {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
        {
            const auto start = Clock::now();
            run();
            times.push_back(msSince(start));
        }
        return median(times);
    }
}
