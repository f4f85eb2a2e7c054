#pragma once
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <streambuf>
#include <string>

#include "stream/SerializerFactory.h"

namespace TestSupport
{
    // Files on a device that takes only `bytes` bytes of each file: AT_WRITE
    // fails the write that crosses the limit, AT_CLOSE accepts the writes and
    // fails when the data is flushed at close (a full disk).
    class WriteFault : public WinFile::SerializerFactory
    {
    public:
        enum When { AT_WRITE, AT_CLOSE };

        WriteFault(std::uint64_t bytes, When when) : _bytes(bytes), _when(when) {}

        std::unique_ptr<WinFile::Serializer> open(const std::string& path) const override
        {
            auto file = std::make_unique<std::filebuf>();
            if (!file->open(path, std::ios::out | std::ios::binary | std::ios::trunc))
                return std::make_unique<WinFile::Serializer>(std::unique_ptr<std::streambuf>());
            return std::make_unique<WinFile::Serializer>(std::make_unique<Device>(std::move(file), _bytes, _when));
        }

    private:
        // Passes writes on to the file until the limit.
        class Device : public std::streambuf
        {
        public:
            Device(std::unique_ptr<std::filebuf> file, std::uint64_t bytes, When when)
                : _file(std::move(file)), _left(bytes), _failAtWrite(when == AT_WRITE), _lost(false)
            {
            }

        protected:
            std::streamsize xsputn(const char* s, std::streamsize n) override
            {
                const auto fits = static_cast<std::streamsize>(std::min<std::uint64_t>(_left, static_cast<std::uint64_t>(n)));
                const std::streamsize passed = _file->sputn(s, fits);
                _left -= static_cast<std::uint64_t>(passed);
                if (passed == n)
                    return n;
                if (_failAtWrite)
                    return passed;
                // The device "accepts" the rest and loses it; only the flush tells.
                _lost = true;
                return n;
            }

            int_type overflow(int_type c) override
            {
                if (traits_type::eq_int_type(c, traits_type::eof()))
                    return traits_type::not_eof(c);
                const char ch = traits_type::to_char_type(c);
                return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
            }

            int sync() override
            {
                const int synced = _file->pubsync();
                return _lost ? -1 : synced;
            }

        private:
            std::unique_ptr<std::filebuf> _file;
            std::uint64_t _left;
            bool _failAtWrite;
            bool _lost;
        };

        std::uint64_t _bytes;
        When _when;
    };
}
