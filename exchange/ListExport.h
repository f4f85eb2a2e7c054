#pragma once
#include <string>

#include "exchange/ListImport.h"

class Quillory;

namespace Qlx
{
    class CodePage;

    // The document as a text in `format`: what qlx export writes and the
    // program's Export saves. Fails naming each text the page cannot convert.
    std::string exportList(const Quillory& doc, TextFormat format, const CodePage& page);
}
