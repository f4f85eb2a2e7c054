#include <gtest/gtest.h>

#include "tests/support/AssertCatcher.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Internal assertions throw in tests instead of stopping the process.
    Test::throwOnAssert();
    return RUN_ALL_TESTS();
}
