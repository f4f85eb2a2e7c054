#include <gtest/gtest.h>

#include "tests/engine/SessionFixture.h"

TEST(DrawBelow, OneDrawCoversABoundWithinTheGeneratorsRange)
{
    SessionTesting::ScriptedRandom random{12345, 32767};
    EXPECT_EQ(drawBelow(random, 100), 45u);
    EXPECT_EQ(drawBelow(random, 32768), 32767u);
    EXPECT_EQ(random.left(), 0u);
}

// rand() stops at 32767 on Windows: a list of 100,000 texts needs two draws
// to reach its end.
TEST(DrawBelow, CombinesDrawsForALargerBound)
{
    SessionTesting::ScriptedRandom random{3, 2, 1, 4};
    EXPECT_EQ(drawBelow(random, 100000), (3u * 32768 + 2) % 100000);
    EXPECT_EQ(drawBelow(random, 40000), (1u * 32768 + 4) % 40000);
    EXPECT_EQ(random.left(), 0u);
}
