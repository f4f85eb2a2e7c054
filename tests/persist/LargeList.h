#pragma once
#include <string>

#include "model/Quillory.h"

namespace TestData
{
    // A list of the size users reach whose every text carries `tag`, so that
    // two lists of different tags differ all through the file.
    inline void fillLargeList(Quillory& doc, const std::string& tag, unsigned count = 100000)
    {
        doc.getTermSets().reserve(count);
        for (unsigned i = 1; i <= count; ++i)
        {
            TermSet item(static_cast<std::int32_t>(i), doc.getOutline());
            const std::string n = std::to_string(i);
            item.setTerm(tag + " term " + n);
            item.setDefText(0, tag + " definition " + n);
            doc.addItem(item);
        }
    }
}
