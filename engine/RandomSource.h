#pragma once
#include <cstddef>

// The pseudo-random numbers a study session draws. The program uses the
// C runtime's generator; tests supply their own draws.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(unsigned value) = 0;
    // A non-negative number from 0 to drawMax(), like rand().
    virtual int draw() = 0;
    virtual int drawMax() const = 0;
};

// srand / rand of the C runtime.
class RuntimeRandom : public RandomSource
{
public:
    void seed(unsigned value) override;
    int draw() override;
    int drawMax() const override;
};

// The generator sessions use unless they are given another.
RandomSource& runtimeRandom();

// A number below `bound` (which must not be 0). One draw when the generator's
// range covers the bound; several draws combined otherwise, so that a large
// bound is reached in full even where rand() stops at 32767.
std::size_t drawBelow(RandomSource& random, std::size_t bound);
