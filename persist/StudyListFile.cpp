#include "persist/StudyListFile.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "model/Quillory.h"
#include "persist/CodePage.h"
#include "stream/Primitives.h"
#include "res/strings.h"

namespace WinFile
{
    namespace
    {
        // The streams fail without a system error code; here, right after the
        // failed call on the file, the system's own code is still the one to add.
        template <class Work>
        FileTexts withSystemError(Work work)
        {
            try
            {
                return work();
            }
            catch (const Win::Exception& e)
            {
                if (e.getError() != 0)
                    throw;
                throw Win::Exception(e.getMessage(), Win::lastError());
            }
        }

        FileTexts readWhole(DeSerializer& in, Quillory& scratch, const CodePages& pages)
        {
            const std::size_t magicSize = 4;
            if (in.remaining() < magicSize && in.deviceFailed())
                throw Win::Exception("File read failed", Win::lastError());
            // Too short for the magic is as foreign as a wrong one.
            if (in.remaining() < magicSize || readInt(in) != static_cast<std::int32_t>(FileMagic))
                throw Win::Exception(STR_NOT_VALID_FILE, Win::lastError());
            scratch.read(in);
            return takeTexts(in, scratch, pages);
        }

        FileTexts writeWhole(Serializer& out, Quillory& doc, const CodePages& pages)
        {
            const TextChoice choice(doc, pages, out);
            writeUInt(out, FileMagic);
            doc.write(out);
            const FileTexts texts = choice.texts();
            if (texts == FileTexts::Utf8 && pages.legacy != CodePage::Utf8)
                writeBytes(out, Utf8Mark);
            return texts;
        }
    }
}

WinFile::FileTexts WinFile::readStudyList(DeSerializer& in, Quillory& scratch, const CodePages& pages)
{
    return withSystemError([&] { return readWhole(in, scratch, pages); });
}

WinFile::FileTexts WinFile::writeStudyList(Serializer& out, Quillory& doc, const CodePages& pages)
{
    return withSystemError([&] { return writeWhole(out, doc, pages); });
}
