#include "stream/DeSerializer.h"

#include <algorithm>
#include <fstream>

namespace
{
    // Size of a seekable source from its current position to its end; 0 when
    // it cannot tell.
    std::size_t sizeOf(std::streambuf& source)
    {
        const auto start = source.pubseekoff(0, std::ios::cur, std::ios::in);
        const auto end = source.pubseekoff(0, std::ios::end, std::ios::in);
        if (start == std::streampos(-1) || end == std::streampos(-1))
            return 0;
        source.pubseekpos(start, std::ios::in);
        return static_cast<std::size_t>(end - start);
    }
}

WinFile::DeSerializer::DeSerializer(const std::string& path, std::size_t window)
    : _next(nullptr), _end(nullptr), _unread(0), _isOpen(false), _deviceFailed(false)
{
    // Unbuffered: each refill reads straight into the window.
    _file.pubsetbuf(nullptr, 0);
    if (!_file.open(path, std::ios::in | std::ios::binary))
        return;
    _isOpen = true;
    const std::size_t size = sizeOf(_file);
    // A pipe named by its path tells no size: it is read whole, so that the
    // bytes left are known all the same.
    if (size == 0)
    {
        readAll(_file);
        return;
    }
    _bytes.resize(std::max<std::size_t>(window, 1));
    _unread = size;
    view(_bytes.data(), 0);
}

WinFile::DeSerializer::DeSerializer(const char* data, std::size_t size)
    : _next(nullptr), _end(nullptr), _unread(0), _isOpen(true), _deviceFailed(false)
{
    view(data, size);
}

WinFile::DeSerializer::DeSerializer(std::streambuf& source)
    : _next(nullptr), _end(nullptr), _unread(0), _isOpen(true), _deviceFailed(false)
{
    readAll(source);
}

void WinFile::DeSerializer::view(const char* data, std::size_t size)
{
    _next = reinterpret_cast<const unsigned char*>(data);
    _end = _next + size;
}

namespace
{
    // How many bytes the source can give without waiting: when none are
    // buffered it asks the device for more; 0 at the end of the source.
    std::streamsize readyBytes(std::streambuf& source)
    {
        if (source.in_avail() == 0
            && std::streambuf::traits_type::eq_int_type(source.sgetc(), std::streambuf::traits_type::eof()))
            return 0;
        return source.in_avail();
    }
}

// Takes what the source has ready in as few calls as it allows: a failing
// device then ends the bytes where it failed. Whatever the source throws is
// its device failing, as an input stream would take it.
void WinFile::DeSerializer::readAll(std::streambuf& source)
{
    const std::size_t firstChunk = 64 * 1024;
    _bytes.resize(firstChunk);
    std::size_t got = 0;
    for (;;)
    {
        std::streamsize ready = 0;
        try
        {
            ready = readyBytes(source);
        }
        catch (...)
        {
            _deviceFailed = true;
            break;
        }
        if (ready <= 0)
            break;
        if (got == _bytes.size())
            _bytes.resize(_bytes.size() * 2);
        const auto wanted = std::min<std::streamsize>(ready, static_cast<std::streamsize>(_bytes.size() - got));
        std::streamsize read = 0;
        try
        {
            read = source.sgetn(_bytes.data() + got, wanted);
        }
        catch (...)
        {
            _deviceFailed = true;
            break;
        }
        if (read <= 0)
            break;
        got += static_cast<std::size_t>(read);
    }
    _bytes.resize(got);
    view(_bytes.data(), got);
}

// Keeps the bytes not yet taken, moved to the front of the window, and reads
// the file on until `count` bytes are there or the file ends.
bool WinFile::DeSerializer::refill(std::size_t count)
{
    const auto kept = static_cast<std::size_t>(_end - _next);
    if (count > kept + _unread)
        return false;
    char* window = _bytes.data();
    std::copy(reinterpret_cast<const char*>(_next), reinterpret_cast<const char*>(_end), window);
    if (count > _bytes.size())
    {
        _bytes.resize(count);
        window = _bytes.data();
    }
    const std::size_t wanted = std::min(_bytes.size() - kept, _unread);
    std::size_t got = 0;
    while (got < wanted)
    {
        const std::streamsize read = _file.sgetn(window + kept + got, static_cast<std::streamsize>(wanted - got));
        if (read <= 0)
            break;
        got += static_cast<std::size_t>(read);
    }
    // A file that ends sooner than its size said ends there.
    _unread = got < wanted ? 0 : _unread - got;
    view(window, kept + got);
    return kept + got >= count;
}
