#pragma once
// A person at the keyboard: runs a script of real input (RealInput) in a
// thread of its own while the test's thread runs the program, so that the
// program's own loops (a modal dialog's, a message box's) handle every key
// as they do for a user. The script waits for what it sees (RealInput's
// waits, Gui::windowText) before it acts.
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace Gui
{
    class Person
    {
    public:
        // Starts `script` at once. Failures inside it count for the running
        // test; an exception is reported as a failure. Once the script has
        // ended, `leftOpen` runs once in the test's thread, from whatever loop
        // that thread is in (a dialog the person left open): it checks what is
        // left and ends it, so that the test fails instead of hanging.
        explicit Person(std::function<void()> script, std::function<void()> leftOpen = {});
        // Waits for the script to end.
        ~Person();
        Person(const Person&) = delete;
        Person& operator=(const Person&) = delete;

        // Waits for the script to end; the test's thread keeps dispatching its
        // messages meanwhile, so the script can wait for the program.
        void finish();

    private:
        static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
        void run();
        void stopWatch();

        std::function<void()> _script;
        std::function<void()> _leftOpen;
        const DWORD _testThread;
        UINT_PTR _watch = 0;
        std::atomic<bool> _finished{false};
        std::thread _thread;
    };
}
