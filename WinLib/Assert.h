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

    // The default handler shows the failure to the user and stops the program.
    // Tests install a handler that throws, so that they can catch assertions.
    // Returns the previous handler.
    AssertHandler setAssertHandler(AssertHandler handler);

    [[noreturn]] void assertionFailed(const char* expr, const char* file, int line);

    // Strips folders and extension: "model/outline.cpp" -> "outline".
    std::string sourceName(const char* file);
}

#define Assert(exp) \
    ((exp) ? static_cast<void>(0) : ::Win::assertionFailed(#exp, __FILE__, __LINE__))
