#pragma once
#include <string>

#include "model/Quillory.h"

namespace Bench
{
    // Item type and three definition fields with texts of everyday length;
    // a comment on every fifth item. Built as the add command builds items.
    inline void fillList(Quillory& doc, unsigned count)
    {
        Outline outline;
        outline.addDef("Example");
        outline.addDef("Note");
        doc.setOutline(outline);
        for (unsigned i = 0; i < count; ++i)
        {
            TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
            const std::string n = std::to_string(i);
            item.setTerm("term " + n);
            item.setDefText(0, "the definition of term " + n);
            item.setDefText(1, "an example sentence that uses term " + n + " in context");
            if (i % 3)
                item.setDefText(2, "note " + n);
            if (i % 5 == 0)
                item.setComment("comment on " + n);
            for (unsigned k = 0; k < i % 4; ++k)
                item.answeredCorrectly();
            doc.addItem(item);
        }
    }
}
