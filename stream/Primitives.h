#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "stream/DeSerializer.h"
#include "stream/Serializer.h"

// The three values every record of a Study List is made of, little-endian:
// 32-bit integers, booleans as two magic words, strings as a marker byte,
// a 32-bit length and the bytes. Failures are Win::Exceptions.
namespace WinFile
{
    const std::uint32_t FileMagic = 0xCAFE0001;
    const std::uint32_t BoolTrue = 0xBABEFAB7;
    const std::uint32_t BoolFalse = 0xBADDAD12;
    const unsigned char StringMark = 0xC5;

    void writeInt(Serializer& out, std::int32_t value);
    void writeUInt(Serializer& out, std::uint32_t value);
    void writeBool(Serializer& out, bool value);
    // Through the stream's text encoder, when it has one.
    void writeString(Serializer& out, std::string_view text);
    // The string primitive of exactly these bytes.
    void writeBytes(Serializer& out, std::string_view bytes);

    std::int32_t readInt(DeSerializer& in);
    bool readBool(DeSerializer& in);
    std::string readString(DeSerializer& in);
    // The same string without a copy: it views the DeSerializer's bytes.
    std::string_view readStringView(DeSerializer& in);
}
