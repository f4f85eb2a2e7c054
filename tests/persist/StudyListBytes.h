#pragma once
#include <cstdint>
#include <sstream>
#include <string>

#include "stream/Primitives.h"
#include "stream/Serializer.h"

namespace TestData
{
    // Builds a Study List byte by byte with the file's own primitives.
    class StudyListBytes
    {
    public:
        StudyListBytes& magic() { WinFile::writeUInt(_out, WinFile::FileMagic); return *this; }
        StudyListBytes& i(std::int32_t value) { WinFile::writeInt(_out, value); return *this; }
        StudyListBytes& b(bool value) { WinFile::writeBool(_out, value); return *this; }
        StudyListBytes& s(const std::string& text) { WinFile::writeString(_out, text); return *this; }
        StudyListBytes& raw(const std::string& bytes) { _out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())); return *this; }

        // The Setting record.
        StudyListBytes& settings(std::int32_t timeOut, std::int32_t numChoices, std::int32_t fromDir,
                                 std::int32_t toDir, std::int32_t fromField, std::int32_t toField)
        {
            return i(timeOut).b(false).b(false).b(false).i(numChoices).i(fromDir).i(toDir).i(fromField).i(toField);
        }
        StudyListBytes& defaultSettings() { return settings(0, 3, 0, 3, 0, 0); }

        std::string bytes()
        {
            _out.flush();
            return _buf.str();
        }

    private:
        std::stringbuf _buf;
        WinFile::Serializer _out{_buf};
    };

    // The list with the default structure, one item (cat / Katze, asked twice,
    // once correctly) and default settings.
    inline std::string catExample()
    {
        static const unsigned char bytes[] = {
            0x01, 0x00, 0xFE, 0xCA, 0xC5, 0x04, 0x00, 0x00, 0x00, 0x54, 0x65, 0x72, 0x6D, 0x01, 0x00, 0x00,
            0x00, 0xC5, 0x0A, 0x00, 0x00, 0x00, 0x44, 0x65, 0x66, 0x69, 0x6E, 0x69, 0x74, 0x69, 0x6F, 0x6E,
            0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xC5, 0x03, 0x00, 0x00, 0x00, 0x63, 0x61, 0x74,
            0xC5, 0x05, 0x00, 0x00, 0x00, 0x4B, 0x61, 0x74, 0x7A, 0x65, 0xC5, 0x00, 0x00, 0x00, 0x00, 0x02,
            0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x12, 0xAD, 0xDD, 0xBA, 0x12,
            0xAD, 0xDD, 0xBA, 0x12, 0xAD, 0xDD, 0xBA, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03,
            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
        return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
    }
}
