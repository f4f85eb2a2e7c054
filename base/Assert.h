#pragma once
#include <functional>
#include <string>

namespace Win
{
    // What an internal assertion reports: the failed expression, the source
    // name (file name without folder and extension) and the line.
    struct AssertionFailure
    {
        std::string expression;
        std::string source;
        int line;
        std::string text() const;
    };

    using AssertHandler = std::function<void(const AssertionFailure&)>;

    // The default handler writes the failure to the standard error and stops
    // the program; the program adds a box (showFailedAssertions). Tests
    // install a handler that throws, so that they can catch assertions.
    // Returns the previous handler; an empty one restores the default.
    AssertHandler setAssertHandler(AssertHandler handler);

    [[noreturn]] void reportAndStop(const AssertionFailure& failure);
    [[noreturn]] void assertionFailed(const char* expr, const char* file, int line);

    // Strips folders and extension: "model/Setting.cpp" -> "Setting".
    std::string sourceName(const char* file);
}

#define Assert(exp) \
    ((exp) ? static_cast<void>(0) : ::Win::assertionFailed(#exp, __FILE__, __LINE__))
