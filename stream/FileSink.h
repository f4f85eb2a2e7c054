#pragma once
#include <cstdio>
#include <memory>
#include <streambuf>
#include <string>
#include <vector>

namespace WinFile
{
    // A file opened for writing (an existing one is truncated) behind a large
    // buffer: a save of many small writes costs a copy each and a system call
    // per buffer, with none of the character conversion of a file stream.
    class FileSink : public std::streambuf
    {
    public:
        FileSink(const std::string& path, std::size_t bufferSize);
        // Writes what is buffered, as a file stream would; close() reports.
        ~FileSink() override;
        FileSink(const FileSink&) = delete;
        FileSink& operator=(const FileSink&) = delete;

        bool isOpen() const { return _file != nullptr; }
        // Writes what is buffered, waits until the file is on the disk and
        // closes; false when any of it failed.
        bool close();

    protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* bytes, std::streamsize count) override;
        int sync() override;

    private:
        bool writeOut(const char* bytes, std::size_t count);
        bool flushBuffer();

        struct Closer
        {
            void operator()(std::FILE* file) const { std::fclose(file); }
        };

        std::vector<char> _buffer;
        std::unique_ptr<std::FILE, Closer> _file;
        bool _failed;
    };
}
