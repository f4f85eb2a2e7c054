#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace WinFile
{
    class Serializer;

    // Values gathered for one write to the stream: an item is a dozen small
    // values, and a write through the stream costs more than their bytes.
    // The encoding is that of the write functions in Primitives.h.
    class Record
    {
    public:
        explicit Record(Serializer& out);

        void addUInt(std::uint32_t value)
        {
            const unsigned char bytes[4] = {
                static_cast<unsigned char>(value & 0xFF), static_cast<unsigned char>((value >> 8) & 0xFF),
                static_cast<unsigned char>((value >> 16) & 0xFF), static_cast<unsigned char>((value >> 24) & 0xFF)};
            put(bytes, sizeof bytes);
        }
        void addInt(std::int32_t value) { addUInt(static_cast<std::uint32_t>(value)); }
        void addBool(bool value);
        // Through the stream's text encoder, when it has one.
        void addString(std::string_view text);
        // The string of exactly these bytes.
        void addBytes(std::string_view bytes);

        // Writes what was gathered and starts the next record; a failed write
        // is a Win::Exception.
        void write();
        // Writes only once enough has been gathered to be worth a write.
        void writeWhenFull()
        {
            if (_used >= FullSize)
                write();
        }

    private:
        static constexpr std::size_t FullSize = 64 * 1024;

        void send(const char* bytes, std::size_t count);
        // An empty text may have no bytes to point at.
        void put(const void* bytes, std::size_t count)
        {
            if (count == 0)
                return;
            if (count > _bytes.size() - _used)
                _bytes.resize(2 * (_used + count));
            std::memcpy(_bytes.data() + _used, bytes, count);
            _used += count;
        }

        Serializer& _out;
        std::vector<char> _bytes;
        std::size_t _used = 0;
    };
}
