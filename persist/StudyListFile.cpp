#include "persist/StudyListFile.h"

#include "WinLib/Exception.h"
#include "WinLib/LastError.h"
#include "model/Quillory.h"
#include "stream/Primitives.h"
#include "res/strings.h"

void WinFile::readStudyList(DeSerializer& in, Quillory& scratch)
{
    unsigned char magic[4];
    const std::size_t got = in.readBytes(reinterpret_cast<char*>(magic), sizeof magic);
    if (in.bad())
        throw Win::Exception("File read failed", Win::lastError());
    const std::uint32_t word = static_cast<std::uint32_t>(magic[0]) | static_cast<std::uint32_t>(magic[1]) << 8
                             | static_cast<std::uint32_t>(magic[2]) << 16 | static_cast<std::uint32_t>(magic[3]) << 24;
    if (got < sizeof magic || word != FileMagic)
        throw Win::Exception(STR_NOT_VALID_FILE, Win::lastError());
    scratch.read(in);
}

void WinFile::writeStudyList(Serializer& out, Quillory& doc)
{
    writeUInt(out, FileMagic);
    doc.write(out);
}
