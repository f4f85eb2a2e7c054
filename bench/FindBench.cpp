// Find Next over 100,000 items when no item holds the text: every term,
// definition and comment is searched once. Lists of plain ASCII and of
// accented texts, which are compared as answers are judged: the first search
// makes every item's comparison form, the next ones reuse them.
#include <cstdio>
#include <string>

#include "app/ItemSearch.h"
#include "bench/ChildProcess.h"
#include "model/Quillory.h"

namespace
{
    const unsigned Items = 100000;

    void fillList(Quillory& doc, const std::string& word)
    {
        Outline outline;
        outline.addDef("Example");
        doc.setOutline(outline);
        for (unsigned i = 0; i < Items; ++i)
        {
            TermSet item(static_cast<std::int32_t>(i + 1), doc.getOutline());
            const std::string n = std::to_string(i);
            item.setTerm(word + " " + n);
            item.setDefText(0, "the definition of " + word + " " + n);
            item.setDefText(1, "an example sentence that uses " + word + " " + n + " in context");
            if (i % 5 == 0)
                item.setComment("comment on " + n);
            doc.addItem(item);
        }
    }

    void measure(const char* name, const std::string& word)
    {
        Quillory doc;
        fillList(doc, word);
        const ItemSearch search("no such text");
        bool found = false;
        const auto findNext = [&](ItemForms& forms) {
            found = search.next(doc, Items / 2, ItemSearch::Direction::Forward, forms).has_value() || found;
        };
        const double first = Bench::medianMs([&] {
            ItemForms fresh;
            findNext(fresh);
        });
        ItemForms forms;
        findNext(forms);
        const double next = Bench::medianMs([&] { findNext(forms); }, 15);
        std::printf("  %-9s first %8.2f ms   next %6.2f ms%s   (goal: next under 50 ms)\n", name, first, next,
                    found ? "   FOUND A MATCH" : "");
    }
}

int main()
{
    std::printf("Find Next over %u items with no match (median of 7 first searches, of 15 next ones)\n", Items);
    measure("ASCII", "term");
    measure("accented", "caf\xC3\xA9 cr\xC3\xA8me");
    return 0;
}
