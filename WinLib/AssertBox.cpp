#include "WinLib/AssertBox.h"

#include "WinLib/MessageBox.h"
#include "base/Assert.h"

void Win::showFailedAssertions()
{
    setAssertHandler([](const AssertionFailure& failure) {
        messageBox(nullptr, failure.text(), "Assertion failed", MB_ICONERROR | MB_OK | MB_TASKMODAL);
        reportAndStop(failure);
    });
}
