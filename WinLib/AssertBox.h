#pragma once

namespace Win
{
    // A failed assertion shows its text in a box before the program stops.
    void showFailedAssertions();
}
