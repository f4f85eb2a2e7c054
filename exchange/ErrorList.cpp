#include "exchange/ErrorList.h"

#include "exchange/Failure.h"

namespace Qlx
{
    namespace
    {
        // Past this a long list of faults only hides the first ones.
        const size_t MaxShown = 50;
    }

    void ErrorList::throwIfAny() const
    {
        if (_errors.empty())
            return;
        std::string text;
        for (size_t i = 0; i < _errors.size() && i < MaxShown; ++i)
        {
            if (i > 0)
                text += '\n';
            text += _errors[i];
        }
        if (_errors.size() > MaxShown)
            text += "\n(" + std::to_string(_errors.size() - MaxShown) + " more errors)";
        throw Failure(text);
    }
}
