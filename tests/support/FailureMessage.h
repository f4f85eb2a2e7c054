#pragma once
#include <string>

#include "base/Exception.h"

namespace TestSupport
{
    // The message of the Win::Exception that `action` throws, or "no failure",
    // so that a test compares one text whichever way the action goes wrong.
    template <class Action>
    std::string failureMessage(Action action)
    {
        try
        {
            action();
        }
        catch (const Win::Exception& e)
        {
            return e.getMessage();
        }
        return "no failure";
    }
}
