#include "base/Assert.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <map>

namespace
{
    Win::AssertHandler& currentHandler()
    {
        static Win::AssertHandler handler = Win::reportAndStop;
        return handler;
    }
}

void Win::reportAndStop(const AssertionFailure& failure)
{
    std::fprintf(stderr, "Assertion failed: %s\n", failure.text().c_str());
    std::abort();
}

std::string Win::AssertionFailure::text() const
{
    return "\"" + expression + "\", " + source + ", line " + std::to_string(line);
}

Win::AssertHandler Win::setAssertHandler(AssertHandler handler)
{
    AssertHandler previous = currentHandler();
    currentHandler() = handler ? std::move(handler) : AssertHandler(reportAndStop);
    return previous;
}

std::string Win::sourceName(const char* file)
{
    std::string name = file ? file : "";
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    // Sources renamed to their class's case keep the names their assertions
    // have always reported.
    static const std::map<std::string, std::string> reportedAs = {
        {"Outline.cpp", "outline"}, {"TermSet.cpp", "termset"}, {"Quillory.cpp", "quillory"},
        {"Menu.cpp", "menu"},       {"Command.h", "command"},   {"ListBox.cpp", "listbox"},
        {"Toolbar.cpp", "toolbar"}, {"Sorter.cpp", "sorter"}};
    const auto renamed = reportedAs.find(name);
    if (renamed != reportedAs.end())
        return renamed->second;
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
