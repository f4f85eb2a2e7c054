#pragma once
#include <string>
#include <string_view>

#include "exchange/StudyListRecord.h"

namespace Qlx
{
    // {"itemType", "fields", "items": [{"number", "term", "definitions", "comment",
    //  "timesAsked", "correctAnswers"}], "settings": {...}} in UTF-8.
    std::string writeJson(const StudyListRecord& list);
    // Fails with a message naming the place: a parse error with its line and column,
    // a missing or unknown key, a wrong type, a number outside 32 bits.
    StudyListRecord readJson(std::string_view text);
}
