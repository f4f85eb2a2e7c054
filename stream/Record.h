#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace WinFile
{
    class Serializer;

    // Values gathered for one write to the stream: an item is a dozen small
    // values, and a write through the stream costs more than their bytes.
    // The encoding is that of the write functions in Primitives.h.
    class Record
    {
    public:
        explicit Record(Serializer& out) : _out(out) {}

        void addUInt(std::uint32_t value);
        void addInt(std::int32_t value) { addUInt(static_cast<std::uint32_t>(value)); }
        void addBool(bool value);
        // Through the stream's text encoder, when it has one.
        void addString(std::string_view text);
        // The string of exactly these bytes.
        void addBytes(std::string_view bytes);

        // Writes what was gathered and starts the next record; a failed write
        // is a Win::Exception.
        void write();

    private:
        Serializer& _out;
        std::string _bytes;
    };
}
