// The end of a Windows session (logging off) with the program running:
// Windows asks from a thread of its own while the person answers the question.
#include "tests/gui/ProgramRunsFixture.h"

#include "app/Messages.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace
{
    class EndSession : public ProgramRunsFixture
    {
    protected:
        // Sends `msg` to the main window from another thread, as Windows does,
        // while this thread goes on dispatching; `answer` is the person who
        // answers the box the program shows meanwhile (none: no person).
        LRESULT fromWindows(UINT msg, WPARAM wParam, const std::function<void(HWND box)>& answer = {})
        {
            const HWND win = _win;
            const DWORD testThread = ::GetCurrentThreadId();
            std::atomic<bool> answered{false};
            LRESULT result = -1;
            std::thread windows([&] {
                result = ::SendMessageA(win, msg, wParam, ENDSESSION_LOGOFF);
                answered = true;
                ::PostThreadMessageA(testThread, WM_NULL, 0, 0);
            });
            std::unique_ptr<Gui::Person> person;
            if (answer)
                person = std::make_unique<Gui::Person>([win, &answer] {
                    HWND box = nullptr;
                    ASSERT_TRUE(RealInput::pollUntil([&] { return (box = Gui::ownedDialog(win)) != nullptr; }));
                    ASSERT_TRUE(RealInput::pollUntil([&] { return ::GetForegroundWindow() == box; }));
                    answer(box);
                });
            Gui::pumpUntil([&] { return answered.load(); }, 30000);
            if (person)
                person->finish();
            windows.join();
            return result;
        }

        // The person reads the save question, then answers it with a key.
        std::function<void(HWND)> answerWith(UINT vk, int modifiers = Gui::NoModifier)
        {
            return [this, vk, modifiers](HWND box) {
                _question = Gui::messageBoxText(box);
                _questionOwner = Gui::ownerOf(box);
                RealInput::press(vk, modifiers);
            };
        }

        std::string _question;
        HWND _questionOwner = nullptr;

        // An item added as the user adds one: the list now has unsaved changes.
        void changeList()
        {
            addItem("chat", "cat");
            refreshAll();
            doc().setModified();
        }
    };
}

TEST_F(EndSession, UnsavedChangesAreAskedAboutAndCancelKeepsWindowsAndTheProgramRunning)
{
    startRun();
    changeList();
    EXPECT_EQ(fromWindows(WM_QUERYENDSESSION, 0, answerWith(VK_ESCAPE)), FALSE);
    EXPECT_EQ(_question, "Save changes to new Study List ?");
    EXPECT_EQ(_questionOwner, _win);
    // Another program refused too: the session goes on, nothing is written.
    fromWindows(WM_ENDSESSION, FALSE);
    EXPECT_TRUE(::IsWindow(_win));
    EXPECT_FALSE(doc().isSaved());
    EXPECT_TRUE(registryValues().empty());
}

TEST_F(EndSession, NoLetsWindowsEndAndTheRegistryThenHoldsTheRecentDocuments)
{
    const std::string path = tempPath("quillory-end-session.qlx");
    writeList(path, 2);
    startRun();
    ::SendMessageA(_win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(path.c_str()), 0);
    Gui::pumpPending();
    changeList();
    EXPECT_EQ(fromWindows(WM_QUERYENDSESSION, 0, answerWith('N', Gui::Alt)), TRUE);
    EXPECT_EQ(_question, "Save changes to " + path + " ?");
    fromWindows(WM_ENDSESSION, TRUE);
    std::vector<std::string> expected{path};
    expected.resize(10);
    EXPECT_EQ(registryValues(), expected);
}

TEST_F(EndSession, YesWithACancelledSaveAsRefusesAndASavedListEndsWithoutAQuestion)
{
    startRun();
    changeList();
    Gui::Seen saveAs = expectFileDialogCancel("Save As");
    EXPECT_EQ(fromWindows(WM_QUERYENDSESSION, 0, answerWith('Y', Gui::Alt)), FALSE);
    EXPECT_EQ(_question, "Save changes to new Study List ?");
    EXPECT_TRUE(saveAs.seen());
    EXPECT_FALSE(doc().isSaved());

    doc().newList();
    EXPECT_EQ(fromWindows(WM_QUERYENDSESSION, 0), TRUE);
    EXPECT_TRUE(_answerer->done());
}
