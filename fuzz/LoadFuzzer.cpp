// Feeds arbitrary bytes to the Study List loader the way the program loads a
// file: into a scratch document that is then taken over by the open one.
// Anything but a clean refusal or a usable document is a crash: a stray
// exception type, an assertion, a sanitizer report.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "base/Exception.h"
#include "model/Quillory.h"
#include "stream/DeSerializer.h"
#include "stream/PlainFailure.h"
#include "stream/Serializer.h"
#include "persist/StudyListFile.h"

namespace
{
    std::string bytesOf(Quillory& doc)
    {
        std::stringbuf buf;
        WinFile::Serializer out(buf);
        WinFile::writeStudyList(out, doc);
        return buf.str();
    }

    // What the list view and the sessions read of a loaded document.
    void useAsTheProgramWould(const Quillory& doc)
    {
        const Outline& outline = doc.getOutline();
        for (unsigned i = 0; i < doc.getItemCount(); ++i)
        {
            const TermSet& item = doc.getItem(i);
            if (item.getRatio() < 0 || item.getRatio() > 100)
                std::abort();
            for (unsigned d = 0; d < outline.getDefCount(); ++d)
                item.getDefText(d);
        }
        const Setting& settings = doc.getSettings();
        if (settings.isFromField() && settings.getFromField() >= outline.getDefCount())
            std::abort();
        if (settings.isToField() && settings.getToField() >= outline.getDefCount())
            std::abort();
        const int timeOut = settings.getTimeOut();
        if (timeOut != 0 && (timeOut < Setting::TimeOutMin || timeOut > Setting::TimeOutMax))
            std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Quillory scratch;
    WinFile::DeSerializer in(reinterpret_cast<const char*>(data), size);
    try
    {
        WinFile::readStudyList(in, scratch);
    }
    catch (const Win::Exception&)
    {
        return 0;
    }
    catch (const WinFile::PlainFailure&)
    {
        return 0;
    }

    Quillory doc;
    doc = std::move(scratch);
    useAsTheProgramWould(doc);

    // Whatever loaded must save, and load again to the same document.
    const std::string saved = bytesOf(doc);
    Quillory again;
    WinFile::DeSerializer reread(saved.data(), saved.size());
    WinFile::readStudyList(reread, again);
    if (again.getItemCount() != doc.getItemCount() || bytesOf(again) != saved)
        std::abort();
    for (unsigned i = 0; i < doc.getItemCount(); ++i)
    {
        if (again.getItem(i) != doc.getItem(i))
            std::abort();
    }
    return 0;
}
