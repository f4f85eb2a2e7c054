#include "tests/gui/SessionFixture.h"

#include "persist/Filer.h"
#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"

namespace
{
    const char* const SessionClass = "Quillory Window Class";
    const int FirstChoiceId = 200;
    const int MaxChoices = 6;
    // A box nobody expected is dismissed after this long and fails the test.
    const DWORD UnexpectedBoxMs = 3000;

    HWND findSessionWindow(HWND dialog)
    {
        const HWND mainWin = Gui::ownerOf(dialog);
        for (HWND h : Gui::threadWindows(SessionClass))
        {
            if (h != mainWin)
                return h;
        }
        return nullptr;
    }
}

SessionDriver::SessionDriver(HWND dialog) : _dialog(dialog), _window(findSessionWindow(dialog)) {}

std::string SessionDriver::itemNumber() const
{
    return Gui::controlText(_dialog, IDC_ITEM_NUMBER);
}

std::string SessionDriver::itemTotal() const
{
    return Gui::controlText(_dialog, IDC_ITEM_TOTAL);
}

std::string SessionDriver::seconds() const
{
    return Gui::controlText(_dialog, IDC_SECONDS);
}

void SessionDriver::next()
{
    Gui::click(_dialog, IDC_NEXT);
    Gui::pumpPending();
}

void SessionDriver::stop()
{
    Gui::click(_dialog, IDC_STOP);
    Gui::pumpPending();
}

void SessionDriver::closeDialog()
{
    Gui::closeBox(_dialog);
    Gui::pumpPending();
}

void SessionDriver::escape()
{
    ::PostMessageA(_dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Gui::pumpPending();
}

void SessionDriver::holdTimer()
{
    ::KillTimer(_dialog, 100);
}

void SessionDriver::tick()
{
    ::SendMessageA(_dialog, WM_TIMER, 100, 0);
    // A question that moved on starts a new real timer: hold it again.
    holdTimer();
    Gui::pumpPending();
}

HWND SessionDriver::answerBox() const
{
    return ::FindWindowExA(_window, nullptr, "Edit", nullptr);
}

void SessionDriver::type(const std::string& text)
{
    ::SetWindowTextA(answerBox(), text.c_str());
}

void SessionDriver::enter()
{
    Gui::postKey(answerBox(), VK_RETURN);
    Gui::pumpPending();
}

HWND SessionDriver::choiceButton(int idx) const
{
    return ::GetDlgItem(_window, FirstChoiceId + idx);
}

std::vector<std::string> SessionDriver::choiceTexts() const
{
    std::vector<std::string> texts;
    for (int i = 0; i < MaxChoices; ++i)
    {
        HWND button = choiceButton(i);
        if (button != nullptr && ::IsWindowVisible(button))
            texts.push_back(Gui::windowText(button));
    }
    return texts;
}

int SessionDriver::findChoice(const std::string& text) const
{
    const auto texts = choiceTexts();
    for (size_t i = 0; i < texts.size(); ++i)
    {
        // What the user reads: the button shows "&&" as "&".
        if (Gui::withoutMnemonic(texts[i]) == std::to_string(i + 1) + "  " + text)
            return static_cast<int>(i);
    }
    return -1;
}

void SessionDriver::clickChoice(int idx)
{
    Gui::click(_window, FirstChoiceId + idx);
    Gui::pumpPending();
}

void SessionDriver::pressKey(UINT vk)
{
    Gui::postKey(_window, vk);
    Gui::pumpPending();
}

HWND SessionDriver::ownedBox() const
{
    return Gui::ownedDialog(_window);
}

void SessionFixture::SetUp()
{
    MainWindowFixture::SetUp();
    _answerer = std::make_unique<Gui::Answerer>(UnexpectedBoxMs);
}

void SessionFixture::TearDown()
{
    EXPECT_TRUE(_answerer->done()) << _answerer->pendingCount() << " expected box(es) never appeared";
    for (const std::string& box : _answerer->unexpected())
        ADD_FAILURE() << "unexpected box: " << box;
    _answerer.reset();
    MainWindowFixture::TearDown();
}

void SessionFixture::runSession(const char* command, const std::function<void(SessionDriver&)>& script)
{
    _sessionStarted = false;
    _answerer->onDialog(Gui::DialogMatch::byControl(IDC_STOP), [this, &script](HWND dialog) {
        _sessionStarted = true;
        // The dialog's own loop translates none of the main window's
        // accelerators (Enter would edit an item): neither may the pumps in here.
        Gui::setAccelerators(nullptr, nullptr);
        SessionDriver driver(dialog);
        script(driver);
        Gui::setAccelerators(_win, _ctrl->getAccel());
        // An ended dialog is hidden at once and destroyed when its loop returns.
        if (::IsWindow(dialog) && ::IsWindowVisible(dialog))
        {
            ADD_FAILURE() << "the script left the session running";
            if (::IsWindow(driver.window()))
                ::DestroyWindow(driver.window());
            ::EndDialog(dialog, 0);
        }
    });
    runCommand(command);
    EXPECT_TRUE(_sessionStarted) << "no progress dialog appeared";
}

void SessionFixture::runSessionAsPerson(const char* command, const std::function<void(SessionDriver&)>& person)
{
    _sessionStarted = false;
    std::unique_ptr<SessionDriver> driver;
    std::unique_ptr<Gui::Person> atKeyboard;
    _answerer->onDialog(Gui::DialogMatch::byControl(IDC_STOP), [&](HWND dialog) {
        _sessionStarted = true;
        Gui::setAccelerators(nullptr, nullptr);
        driver = std::make_unique<SessionDriver>(dialog);
        SessionDriver& s = *driver;
        atKeyboard = std::make_unique<Gui::Person>(
            [&person, &s] {
                person(s);
                // The last box may still be closing.
                RealInput::pollUntil([&s] { return !s.running(); });
            },
            [&s] {
                if (!s.running())
                    return;
                ADD_FAILURE() << "the person left the session running";
                ::DestroyWindow(s.window());
                ::EndDialog(s.dialog(), 0);
            });
    });
    runCommand(command);
    if (atKeyboard)
        atKeyboard->finish();
    Gui::setAccelerators(_win, _ctrl->getAccel());
    EXPECT_TRUE(_sessionStarted) << "no progress dialog appeared";
}

void SessionFixture::runCommand(const char* command)
{
    Gui::sendMenuCommand(_win, cmdId(command));
    Gui::pumpPending();
}

void SessionFixture::makeList(const std::vector<std::pair<std::string, std::string>>& items)
{
    for (const auto& item : items)
        addItem(item.first, item.second);
    refreshAll();
    saveList();
}

void SessionFixture::saveList()
{
    WinFile::SilentFilerHost host;
    ASSERT_TRUE(WinFile::Filer(doc(), tempPath("session-test.qlx"), host).save());
    ASSERT_TRUE(doc().isSaved());
}

std::string SessionFixture::wrongAnswerText(const std::string& answer, const std::string& expected)
{
    return "\"" + answer + "\" is wrong.\nThe correct answer is:\n\"" + expected + "\".";
}

std::string SessionFixture::resultsText(int questions, int correct, int percent)
{
    return "Total questions:\t\t" + std::to_string(questions) + "\nCorrectly answered:\t\t" +
           std::to_string(correct) + "\nResult:\t\t\t" + std::to_string(percent) + "%";
}
