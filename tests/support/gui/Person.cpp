#include "tests/support/gui/Person.h"

#include "WinLib/PendingException.h"
#include "tests/support/gui/Harness.h"

#include <gtest/gtest.h>

#include <exception>

namespace
{
    // The person whose script the test's thread watches; one at a time.
    Gui::Person* watched = nullptr;
    const UINT WatchPeriodMs = 50;
}

Gui::Person::Person(std::function<void()> script, std::function<void()> leftOpen)
    : _script(std::move(script)),
      _leftOpen(std::move(leftOpen)),
      _testThread(::GetCurrentThreadId()),
      _watch(::SetTimer(nullptr, 0, WatchPeriodMs, &onTimer)),
      _thread(&Person::run, this)
{
    watched = this;
}

Gui::Person::~Person()
{
    finish();
}

void Gui::Person::run()
{
    try
    {
        _script();
    }
    catch (const std::exception& e)
    {
        ADD_FAILURE() << "the person's script threw: " << e.what();
    }
    catch (...)
    {
        ADD_FAILURE() << "the person's script threw";
    }
    _finished = true;
    // Wakes the test's thread if it waits in finish().
    ::PostThreadMessageA(_testThread, WM_NULL, 0, 0);
}

void Gui::Person::stopWatch()
{
    if (_watch != 0)
        ::KillTimer(nullptr, _watch);
    _watch = 0;
    if (watched == this)
        watched = nullptr;
}

void CALLBACK Gui::Person::onTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Person* person = watched;
    if (person == nullptr || !person->_finished)
        return;
    person->stopWatch();
    // Called by a system loop: nothing may unwind through it.
    try
    {
        if (person->_leftOpen)
            person->_leftOpen();
    }
    catch (...)
    {
        Win::keepPendingException(std::current_exception());
    }
}

void Gui::Person::finish()
{
    stopWatch();
    if (!_thread.joinable())
        return;
    // The script may be waiting for a window of this thread to answer.
    pumpUntil([this] { return _finished.load(); }, INFINITE);
    _thread.join();
}
