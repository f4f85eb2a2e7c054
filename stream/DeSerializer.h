#pragma once
#include <cstddef>
#include <fstream>
#include <streambuf>
#include <string>
#include <vector>

namespace WinFile
{
    // Binary input of a Study List, decoded from memory: a file read in
    // large pieces as the decoding goes, bytes the caller keeps, or any other
    // source read to its end first. So the bytes left are always known, and a
    // length read from the file is checked against them before anything is
    // allocated.
    //
    // A device that fails while the bytes are read ends them there: reads up
    // to that point succeed, and a read beyond it reports the failure, as a
    // read from the device itself would have.
    class DeSerializer
    {
    public:
        // A file's bytes pass through a window of this size (a longer string
        // widens it), so a large file costs no memory of its own size.
        static constexpr std::size_t DefaultWindow = 64 * 1024;

        // Opens the file; isOpen() is false when it cannot be opened.
        explicit DeSerializer(const std::string& path, std::size_t window = DefaultWindow);
        // A view of bytes that must outlive the DeSerializer.
        DeSerializer(const char* data, std::size_t size);
        // A source of unknown size, such as a pipe.
        explicit DeSerializer(std::streambuf& source);
        DeSerializer(const DeSerializer&) = delete;
        DeSerializer& operator=(const DeSerializer&) = delete;

        bool isOpen() const { return _isOpen; }
        std::size_t remaining() const { return static_cast<std::size_t>(_end - _next) + _unread; }
        // The bytes end where the device failed, not where the file ends.
        bool deviceFailed() const { return _deviceFailed; }
        // Whether any string read so far held a byte above 0x7F: a list of
        // ASCII texts then needs no look at its texts to know their code page.
        bool readNonAscii() const { return _stringBits >= 0x80; }
        void noteString(const unsigned char* bytes, std::size_t count)
        {
            unsigned char bits = 0;
            for (std::size_t i = 0; i < count; ++i)
                bits |= bytes[i];
            _stringBits |= bits;
        }
        // The next `count` bytes; reading moves past them. They stay valid
        // until the next take. Null, and nothing taken, when fewer remain
        // (a file may also end sooner than its size said).
        const unsigned char* take(std::size_t count)
        {
            if (count > static_cast<std::size_t>(_end - _next) && !refill(count))
                return nullptr;
            const unsigned char* bytes = _next;
            _next += count;
            return bytes;
        }

    private:
        void readAll(std::streambuf& source);
        void view(const char* data, std::size_t size);
        bool refill(std::size_t count);

        std::vector<char> _bytes;
        std::filebuf _file;
        const unsigned char* _next;
        const unsigned char* _end;
        std::size_t _unread;   // bytes of the file not yet in the window
        bool _isOpen;
        bool _deviceFailed;
        unsigned char _stringBits = 0;
    };
}
