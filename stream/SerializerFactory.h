#pragma once
#include <memory>
#include <string>

#include "stream/Serializer.h"

namespace WinFile
{
    // Opens the stream a save writes to: files on disk for the program,
    // a failing device for the tests of what a failed write leaves.
    class SerializerFactory
    {
    public:
        virtual ~SerializerFactory() = default;
        // A stream on the file at `path`, truncated or created; not isOpen()
        // when the file cannot be opened for writing.
        virtual std::unique_ptr<Serializer> open(const std::string& path) const = 0;
    };

    class DiskSerializers : public SerializerFactory
    {
    public:
        std::unique_ptr<Serializer> open(const std::string& path) const override
        {
            return std::make_unique<Serializer>(path);
        }
    };

    inline const SerializerFactory& diskFiles()
    {
        static const DiskSerializers files;
        return files;
    }
}
