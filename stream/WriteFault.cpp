#include "stream/WriteFault.h"

#include <algorithm>

namespace
{
    const WinFile::WriteFault* s_current = nullptr;
}

WinFile::WriteFault::WriteFault(std::uint64_t bytes, When when)
    : _bytes(bytes), _when(when), _previous(s_current)
{
    s_current = this;
}

WinFile::WriteFault::~WriteFault()
{
    s_current = _previous;
}

const WinFile::WriteFault* WinFile::WriteFault::current()
{
    return s_current;
}

WinFile::FaultBuf::FaultBuf(std::streambuf& target, const WriteFault& fault)
    : _target(target),
      _left(fault.bytes()),
      _failAtWrite(fault.when() == WriteFault::AT_WRITE),
      _lost(false)
{
}

std::streamsize WinFile::FaultBuf::xsputn(const char* s, std::streamsize n)
{
    const auto fits = static_cast<std::streamsize>(std::min<std::uint64_t>(_left, static_cast<std::uint64_t>(n)));
    const std::streamsize passed = _target.sputn(s, fits);
    _left -= static_cast<std::uint64_t>(passed);
    if (passed == n)
        return n;
    if (_failAtWrite)
        return passed;
    // The device "accepts" the rest and loses it; only the flush tells.
    _lost = true;
    return n;
}

WinFile::FaultBuf::int_type WinFile::FaultBuf::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
}

int WinFile::FaultBuf::sync()
{
    const int synced = _target.pubsync();
    return _lost ? -1 : synced;
}
