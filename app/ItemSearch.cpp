#include "app/ItemSearch.h"

#include "model/Quillory.h"
#include "engine/TextCase.h"
#include "base/UnicodeForm.h"

namespace
{
    // A text's comparison form after the others; an ASCII text, most of any
    // list, upper-cased as it is copied, without a form of its own.
    void appendForm(std::string& form, std::string_view text)
    {
        if (!Unicode::isAscii(text))
        {
            form += comparisonForm(text, true);
            return;
        }
        for (const char c : text)
            form += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

    // The texts are joined by '\0': no search runs from one into the next.
    std::string formOf(const TermSet& item, unsigned defCount)
    {
        std::string form;
        appendForm(form, item.getTerm());
        for (unsigned i = 0; i < defCount; ++i)
        {
            form += '\0';
            appendForm(form, item.viewDefText(i));
        }
        form += '\0';
        appendForm(form, item.getComment());
        return form;
    }
}

const std::string& ItemForms::of(const Quillory& doc, unsigned idx)
{
    if (_forms.size() != doc.getItemCount())
    {
        _forms.clear();
        _forms.reserve(doc.getItemCount());
        const unsigned defCount = doc.getOutline().getDefCount();
        for (unsigned i = 0; i < doc.getItemCount(); ++i)
            _forms.push_back(formOf(doc.getItem(i), defCount));
    }
    return _forms[idx];
}

ItemSearch::ItemSearch(std::string_view text) : _form(comparisonForm(text, true)) {}

std::optional<unsigned> ItemSearch::next(const Quillory& doc, std::optional<unsigned> from, Direction direction,
                                         ItemForms& forms) const
{
    const unsigned count = doc.getItemCount();
    if (count == 0)
        return std::nullopt;
    const bool forward = direction == Direction::Forward;
    // Positions are counted from the start going forward, from the end going back.
    unsigned idx = from && *from < count ? *from : (forward ? count - 1 : 0);
    for (unsigned step = 0; step < count; ++step)
    {
        idx = forward ? (idx + 1) % count : (idx + count - 1) % count;
        if (forms.of(doc, idx).find(_form) != std::string::npos)
            return idx;
    }
    return std::nullopt;
}
