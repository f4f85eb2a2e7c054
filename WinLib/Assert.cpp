#include "WinLib/Assert.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{
    void showAndStop(const Win::AssertionFailure& failure)
    {
        const std::string text = failure.text();
#ifdef _WIN32
        ::MessageBoxA(nullptr, text.c_str(), "Assertion failed", MB_ICONERROR | MB_OK | MB_TASKMODAL);
#endif
        std::fprintf(stderr, "Assertion failed: %s\n", text.c_str());
        std::abort();
    }

    Win::AssertHandler& currentHandler()
    {
        static Win::AssertHandler handler = showAndStop;
        return handler;
    }
}

std::string Win::AssertionFailure::text() const
{
    return "\"" + expression + "\", " + source + ", line " + std::to_string(line);
}

Win::AssertHandler Win::setAssertHandler(AssertHandler handler)
{
    AssertHandler previous = currentHandler();
    currentHandler() = handler ? std::move(handler) : AssertHandler(showAndStop);
    return previous;
}

std::string Win::sourceName(const char* file)
{
    std::string name = file ? file : "";
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const auto dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

void Win::assertionFailed(const char* expr, const char* file, int line)
{
    const AssertionFailure failure{expr, sourceName(file), line};
    currentHandler()(failure);
    // A handler that returns would let the program run past a broken precondition.
    std::abort();
}
