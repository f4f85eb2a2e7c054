#pragma once
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

namespace WinFile
{
    // Binary input stream of a Study List: a file opened for reading, bytes in
    // memory, or any other source. It knows how many bytes are left, so that
    // a length read from the file can be checked before anything is allocated.
    class DeSerializer : public std::istream
    {
    public:
        explicit DeSerializer(const std::string& path);
        DeSerializer(const char* data, std::size_t size);
        // A source of unknown size: remaining() is then unlimited.
        explicit DeSerializer(std::streambuf& source);
        ~DeSerializer() override;
        DeSerializer(const DeSerializer&) = delete;
        DeSerializer& operator=(const DeSerializer&) = delete;

        bool isOpen() const { return _isOpen; }
        // Reads up to `count` bytes; returns how many were read.
        std::size_t readBytes(char* buf, std::size_t count);
        // Bytes not yet read (as far as the source's size is known).
        std::uint64_t remaining() const;

    private:
        class MemoryBuf;

        std::filebuf _file;
        std::unique_ptr<MemoryBuf> _memory;
        bool _isOpen;
        bool _sizeKnown;
        std::uint64_t _size;
        std::uint64_t _consumed;
    };
}
