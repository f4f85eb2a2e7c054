#pragma once
#include <gtest/gtest.h>

#include "base/Assert.h"

namespace Test
{
    // Makes every internal assertion throw Win::AssertionFailure.
    inline void throwOnAssert()
    {
        Win::setAssertHandler([](const Win::AssertionFailure& failure) { throw failure; });
    }
}

// Expects `statement` to fail the internal assertion whose expression text is `expr`.
#define EXPECT_ASSERTION(statement, expr)                                      \
    do {                                                                       \
        try {                                                                  \
            statement;                                                         \
            ADD_FAILURE() << "no assertion from: " #statement;                 \
        } catch (const Win::AssertionFailure& failure) {                       \
            EXPECT_EQ(failure.expression, expr);                               \
        }                                                                      \
    } while (0)
