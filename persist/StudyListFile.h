#pragma once
#include "stream/DeSerializer.h"
#include "stream/Serializer.h"

class Quillory;

namespace WinFile
{
    // A whole Study List: the file magic, then the document body.
    // readStudyList is meant for a scratch document: on failure it holds
    // partial content. A stream that does not start with the magic fails
    // with "This is not a valid Quillory file or the file is corrupt".
    void readStudyList(DeSerializer& in, Quillory& scratch);
    void writeStudyList(Serializer& out, Quillory& doc);
}
