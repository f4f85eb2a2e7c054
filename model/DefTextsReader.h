#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/DefTexts.h"

class Outline;
namespace WinFile
{
    class DeSerializer;
}

// Reads an item's definition texts, which come in field order, and stores
// them by name. A text read from the file stays valid only until the next
// read, so each is copied aside first; one reader serves a whole list, so
// that copy costs no allocation per item.
class DefTextsReader
{
public:
    // For two fields of the same name the first text stays, as if each had
    // been inserted under its name in turn.
    void read(WinFile::DeSerializer& in, const Outline& outline, DefTexts& into);

private:
    struct Span
    {
        unsigned field;
        std::size_t start;
        std::size_t size;
    };

    std::string _texts;
    std::vector<Span> _spans;
    std::vector<DefTexts::Entry> _entries;
};
