#pragma once
#include "persist/FileTexts.h"
#include "stream/DeSerializer.h"
#include "stream/Serializer.h"

class Quillory;

namespace WinFile
{
    // A whole Study List: the file magic, then the document body, then the
    // mark of UTF-8 texts when the file needs it.
    // readStudyList is meant for a scratch document: on failure it holds
    // partial content. A stream that does not start with the magic fails
    // with "This is not a valid Quillory file or the file is corrupt".
    FileTexts readStudyList(DeSerializer& in, Quillory& scratch, const CodePages& pages = systemCodePages());
    FileTexts writeStudyList(Serializer& out, Quillory& doc, const CodePages& pages = systemCodePages());
}
