#include "tests/qlx/RandomList.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <vector>

#include "model/Quillory.h"

namespace QlxTest
{
    RandomList::RandomList(unsigned seed, std::string excluded) : _random(seed), _excluded(std::move(excluded)) {}

    void RandomList::fill(Quillory& doc)
    {
        Outline outline;
        outline.setItemType(text());
        outline.removeDef(0);
        const int fields = number(0, 4);
        for (int i = 0; i < fields; ++i)
            outline.addDef(number(0, 5) == 0 ? "Same" : text());
        doc.setOutline(outline);
        std::vector<int> numbers(static_cast<size_t>(number(0, 25)));
        std::iota(numbers.begin(), numbers.end(), 1);
        std::shuffle(numbers.begin(), numbers.end(), _random);
        for (const int n : numbers)
        {
            TermSet item(n, doc.getOutline());
            item.setTerm(text());
            for (int f = 0; f < fields; ++f)
                item.setDefText(static_cast<unsigned>(f), text());
            item.setComment(number(0, 2) == 0 ? text() : "");
            const int asked = number(0, 3) == 0 ? INT_MAX : number(0, 1000);
            item.setScores(asked, number(0, asked));
            doc.addItem(item);
        }
        fillSettings(doc.getSettings(), fields);
    }

    void RandomList::fillSettings(Setting& settings, int fields)
    {
        const int timeOut = number(1, 99);
        settings.setTimeOut(timeOut == 1 ? 0 : timeOut);
        settings.setShuffle(number(0, 1) == 1);
        settings.setContinuous(number(0, 1) == 1);
        settings.setCaseSensitive(number(0, 1) == 1);
        settings.setNumChoices(number(2, 6));
        settings.setStoredFields(number(INT_MIN, INT_MAX), number(INT_MIN, INT_MAX));
        switch (number(0, 2))
        {
        case 0: settings.setFromTerm(); break;
        case 1: settings.setFromAnything(); break;
        default:
            if (fields > 0)
                settings.setFromField(static_cast<unsigned>(number(0, fields - 1)));
        }
        switch (number(0, 3))
        {
        case 0: settings.setToTerm(); break;
        case 1: settings.setToAnything(); break;
        case 2: settings.setToEverythingElse(); break;
        default:
            if (fields > 0)
                settings.setToField(static_cast<unsigned>(number(0, fields - 1)));
        }
    }

    int RandomList::number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(_random); }

    std::string RandomList::text()
    {
        std::string bytes(static_cast<size_t>(number(0, 12)), '\0');
        for (char& c : bytes)
        {
            do
                c = static_cast<char>(number(0, 255));
            while (_excluded.find(c) != std::string::npos);
        }
        return bytes;
    }
}
