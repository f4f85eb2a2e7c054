#include "engine/RandomSource.h"

#include <cstdint>
#include <cstdlib>

#include "base/Assert.h"

void RuntimeRandom::seed(unsigned value)
{
    std::srand(value);
}

int RuntimeRandom::draw()
{
    return std::rand();
}

int RuntimeRandom::drawMax() const
{
    return RAND_MAX;
}

RandomSource& runtimeRandom()
{
    static RuntimeRandom random;
    return random;
}

std::size_t drawBelow(RandomSource& random, std::size_t bound)
{
    Assert(bound!=0);
    const std::uint64_t radix = static_cast<std::uint64_t>(random.drawMax()) + 1;
    std::uint64_t value = static_cast<unsigned>(random.draw());
    for (std::uint64_t span = radix; span < bound; span *= radix)
        value = value * radix + static_cast<unsigned>(random.draw());
    return static_cast<std::size_t>(value % bound);
}
