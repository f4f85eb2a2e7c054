#include "stream/DeSerializer.h"

#include <limits>

// A read-only view of bytes in memory that can tell its size by seeking.
class WinFile::DeSerializer::MemoryBuf : public std::streambuf
{
public:
    MemoryBuf(const char* data, std::size_t size)
    {
        char* begin = const_cast<char*>(data);
        setg(begin, begin, begin + size);
    }

protected:
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override
    {
        char* base = dir == std::ios::beg ? eback() : dir == std::ios::cur ? gptr() : egptr();
        const off_type target = (base - eback()) + off;
        if (target < 0 || target > egptr() - eback())
            return pos_type(off_type(-1));
        setg(eback(), eback() + target, egptr());
        return pos_type(target);
    }

    pos_type seekpos(pos_type pos, std::ios::openmode mode) override
    {
        return seekoff(off_type(pos), std::ios::beg, mode);
    }
};

namespace
{
    // Size of a seekable source from its current position to its end.
    bool sizeOf(std::streambuf& buf, std::uint64_t& size)
    {
        const auto start = buf.pubseekoff(0, std::ios::cur, std::ios::in);
        const auto end = buf.pubseekoff(0, std::ios::end, std::ios::in);
        if (start == std::streampos(-1) || end == std::streampos(-1))
            return false;
        buf.pubseekpos(start, std::ios::in);
        size = static_cast<std::uint64_t>(end - start);
        return true;
    }
}

WinFile::DeSerializer::DeSerializer(const std::string& path)
    : std::istream(nullptr), _isOpen(false), _sizeKnown(false), _size(0), _consumed(0)
{
    if (!_file.open(path, std::ios::in | std::ios::binary))
    {
        setstate(std::ios::failbit);
        return;
    }
    _isOpen = true;
    _sizeKnown = sizeOf(_file, _size);
    rdbuf(&_file);
}

WinFile::DeSerializer::DeSerializer(const char* data, std::size_t size)
    : std::istream(nullptr),
      _memory(std::make_unique<MemoryBuf>(data, size)),
      _isOpen(true),
      _sizeKnown(true),
      _size(size),
      _consumed(0)
{
    rdbuf(_memory.get());
}

WinFile::DeSerializer::DeSerializer(std::streambuf& source)
    : std::istream(&source), _isOpen(true), _sizeKnown(false), _size(0), _consumed(0)
{
}

WinFile::DeSerializer::~DeSerializer() = default;

std::size_t WinFile::DeSerializer::readBytes(char* buf, std::size_t count)
{
    read(buf, static_cast<std::streamsize>(count));
    const auto got = static_cast<std::size_t>(gcount());
    _consumed += got;
    return got;
}

std::uint64_t WinFile::DeSerializer::remaining() const
{
    if (!_sizeKnown)
        return std::numeric_limits<std::uint64_t>::max();
    return _consumed < _size ? _size - _consumed : 0;
}
