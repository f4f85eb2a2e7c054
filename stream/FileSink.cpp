#include "stream/FileSink.h"

#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace
{
    // What the system holds of the file in memory goes to the disk, so that
    // a file called complete survives a power cut.
    bool syncToDisk(std::FILE* file)
    {
#ifdef _WIN32
        return _commit(_fileno(file)) == 0;   // FlushFileBuffers
#else
        return ::fsync(::fileno(file)) == 0;
#endif
    }
}

WinFile::FileSink::FileSink(const std::string& path, std::size_t bufferSize)
    : _buffer(bufferSize > 0 ? bufferSize : 1), _file(std::fopen(path.c_str(), "wb")), _failed(false)
{
    if (_file)
        std::setvbuf(_file.get(), nullptr, _IONBF, 0);
    setp(_buffer.data(), _buffer.data() + _buffer.size());
}

WinFile::FileSink::~FileSink()
{
    flushBuffer();
}

bool WinFile::FileSink::writeOut(const char* bytes, std::size_t count)
{
    if (!_file || _failed || std::fwrite(bytes, 1, count, _file.get()) != count)
        _failed = true;
    return !_failed;
}

bool WinFile::FileSink::flushBuffer()
{
    const auto count = static_cast<std::size_t>(pptr() - pbase());
    setp(_buffer.data(), _buffer.data() + _buffer.size());
    return count == 0 || writeOut(_buffer.data(), count);
}

WinFile::FileSink::int_type WinFile::FileSink::overflow(int_type c)
{
    if (!flushBuffer())
        return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize WinFile::FileSink::xsputn(const char* bytes, std::streamsize count)
{
    const auto size = static_cast<std::size_t>(count);
    if (size > static_cast<std::size_t>(epptr() - pptr()))
    {
        if (!flushBuffer())
            return 0;
        // What does not fit an empty buffer goes straight to the file.
        if (size >= _buffer.size())
            return writeOut(bytes, size) ? count : 0;
    }
    std::memcpy(pptr(), bytes, size);
    pbump(static_cast<int>(count));
    return count;
}

int WinFile::FileSink::sync()
{
    return flushBuffer() ? 0 : -1;
}

bool WinFile::FileSink::close()
{
    const bool flushed = flushBuffer();
    std::FILE* file = _file.release();
    const bool synced = file && std::fflush(file) == 0 && syncToDisk(file);
    const bool closed = file && std::fclose(file) == 0;
    return flushed && synced && closed && !_failed;
}
