#pragma once
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "stream/FileSink.h"

namespace WinFile
{
    // Binary output stream of a Study List: a file opened for writing (an
    // existing file is truncated), or any other sink.
    class Serializer : public std::ostream
    {
    public:
        explicit Serializer(const std::string& path);
        explicit Serializer(std::streambuf& sink);
        // A sink the stream owns (a device wrapped around a file).
        explicit Serializer(std::unique_ptr<std::streambuf> sink);
        ~Serializer() override;
        Serializer(const Serializer&) = delete;
        Serializer& operator=(const Serializer&) = delete;

        bool isOpen() const;
        // Flushes the file to the disk and closes it. A failure that shows
        // only here (a full disk) sets bad and returns false.
        bool close();

        // Texts are written in another code page than they are held in:
        // every string written from now on that is not plain ASCII passes
        // through `encode` first. ASCII is the same in every code page.
        using TextEncoder = std::function<std::string(std::string_view)>;
        void setTextEncoder(TextEncoder encode) { _encodeText = std::move(encode); }
        const TextEncoder& textEncoder() const { return _encodeText; }

    private:
        std::unique_ptr<FileSink> _file;
        std::unique_ptr<std::streambuf> _ownedSink;
        TextEncoder _encodeText;
    };
}
