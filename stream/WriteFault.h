#pragma once
#include <cstdint>
#include <streambuf>

namespace WinFile
{
    // Test hook: while a WriteFault is alive, every Serializer opened on a
    // path behaves like a file on a device that takes only `bytes` bytes:
    // AT_WRITE fails the write that crosses the limit, AT_CLOSE accepts the
    // writes and fails when the data is flushed at close (a full disk).
    class WriteFault
    {
    public:
        enum When { AT_WRITE, AT_CLOSE };
        WriteFault(std::uint64_t bytes, When when);
        ~WriteFault();
        WriteFault(const WriteFault&) = delete;
        WriteFault& operator=(const WriteFault&) = delete;

        static const WriteFault* current();
        std::uint64_t bytes() const { return _bytes; }
        When when() const { return _when; }

    private:
        std::uint64_t _bytes;
        When _when;
        const WriteFault* _previous;
    };

    // Passes writes on to the file until the limit of a WriteFault.
    class FaultBuf : public std::streambuf
    {
    public:
        FaultBuf(std::streambuf& target, const WriteFault& fault);

    protected:
        std::streamsize xsputn(const char* s, std::streamsize n) override;
        int_type overflow(int_type c) override;
        int sync() override;

    private:
        std::streambuf& _target;
        std::uint64_t _left;
        bool _failAtWrite;
        bool _lost;
    };
}
