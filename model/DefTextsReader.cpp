#include "model/DefTextsReader.h"

#include <algorithm>
#include <string_view>

#include "model/Outline.h"
#include "stream/Primitives.h"

void DefTextsReader::read(WinFile::DeSerializer& in, const Outline& outline, DefTexts& into)
{
    _texts.clear();
    _spans.clear();
    for (unsigned i = 0; i < outline.getDefCount(); ++i)
    {
        const std::string_view text = WinFile::readStringView(in);
        if (!text.empty())
            _spans.push_back({i, _texts.size(), text.size()});
        _texts.append(text);
    }
    // The copies stay put from here on, so the entries may view them.
    _entries.clear();
    for (const Span& span : _spans)
        _entries.emplace_back(outline.getDef(span.field), std::string_view(_texts).substr(span.start, span.size));

    const auto notAfter = [](const auto& a, const auto& b) { return !(a.first < b.first); };
    if (std::adjacent_find(_entries.begin(), _entries.end(), notAfter) != _entries.end())
    {
        const auto namesInOrder = [](const auto& a, const auto& b) { return a.first < b.first; };
        std::stable_sort(_entries.begin(), _entries.end(), namesInOrder);
        const auto sameName = [](const auto& a, const auto& b) { return a.first == b.first; };
        _entries.erase(std::unique(_entries.begin(), _entries.end(), sameName), _entries.end());
    }
    into.assign(_entries);
}
