#pragma once
#include <string>

#include "base/Exception.h"
#include "model/Quillory.h"
#include "stream/DeSerializer.h"
#include "stream/PlainFailure.h"
#include "persist/StudyListFile.h"

namespace TestData
{
    // How reading a whole Study List from bytes ended.
    struct LoadOutcome
    {
        enum Kind { LOADED, WIN_EXCEPTION, PLAIN_FAILURE } kind;
        std::string text;
    };

    inline LoadOutcome loadInto(Quillory& scratch, const std::string& bytes)
    {
        WinFile::DeSerializer in(bytes.data(), bytes.size());
        try
        {
            WinFile::readStudyList(in, scratch);
        }
        catch (const Win::Exception& e)
        {
            return {LoadOutcome::WIN_EXCEPTION, e.getMessage()};
        }
        catch (const WinFile::PlainFailure& e)
        {
            return {LoadOutcome::PLAIN_FAILURE, e.what()};
        }
        return {LoadOutcome::LOADED, ""};
    }

    inline LoadOutcome loadOutcome(const std::string& bytes)
    {
        Quillory scratch;
        return loadInto(scratch, bytes);
    }

    inline std::string bytesOf(Quillory& doc)
    {
        std::stringbuf buf;
        WinFile::Serializer out(buf);
        WinFile::writeStudyList(out, doc);
        return buf.str();
    }
}
