#pragma once
// Runs study sessions from the main window's commands as a user does: the
// test's script runs inside the progress dialog's own loop while the session
// is on screen, clicking, typing and reading what the user reads.
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/gui/Answerer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// What a user sees of and does to a running session.
class SessionDriver
{
public:
    explicit SessionDriver(HWND dialog);

    HWND dialog() const { return _dialog; }
    // The session window (class "Quillory Window Class", not the main window).
    HWND window() const { return _window; }
    // The session window goes when the session ends; the dialog only hides.
    bool running() const { return ::IsWindow(_window) && ::IsWindowVisible(_dialog); }

    std::string itemNumber() const;
    std::string itemTotal() const;
    std::string seconds() const;

    // Buttons of the progress dialog; each returns once the click is handled.
    void next();
    void stop();
    // WM_CLOSE and Esc (IDCANCEL) as the system sends them.
    void closeDialog();
    void escape();

    // Stops the real one-second timer so that ticks come only from tick().
    void holdTimer();
    // One tick of the progress dialog's timer (WM_TIMER, id 100).
    void tick();

    // Questions and answers.
    HWND answerBox() const;
    void type(const std::string& text);
    void enter();

    // Multiple choice: the visible choice buttons' texts, in number order.
    std::vector<std::string> choiceTexts() const;
    HWND choiceButton(int idx) const;
    // The number of the choice whose text (after "N  ") is `text`; -1 if none.
    int findChoice(const std::string& text) const;
    void clickChoice(int idx);
    void pressKey(UINT vk);

    // A visible message box owned by the session window; null when none is
    // open. Usable from any thread, as everything a person reads here.
    HWND ownedBox() const;

private:
    HWND _dialog;
    HWND _window;
};

class SessionFixture : public MainWindowFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Sends the command as its menu item does. When the progress dialog
    // opens, `script` runs on it; a session that the script leaves running is
    // reported as a failure and ended.
    void runSession(const char* command, const std::function<void(SessionDriver&)>& script);
    // The same, with a person at the keyboard: once the progress dialog is
    // up, `person` runs in a thread of its own (Gui::Person) while the
    // session's own loops handle the real input. The person answers the
    // session's boxes too (an answerer racing the person could take one).
    // A session the person leaves running is reported as a failure and ended.
    void runSessionAsPerson(const char* command, const std::function<void(SessionDriver&)>& person);
    // The same, when a session is not expected to start.
    void runCommand(const char* command);

    // Items given as {term, definition}; the list is then saved, so that it
    // counts as unchanged.
    void makeList(const std::vector<std::pair<std::string, std::string>>& items);
    void saveList();

    // Expectations for the boxes a session shows, in the order they come.
    Gui::Seen expectWrongAnswer() { return _answerer->expectMessageBox(IDOK, "Quillory"); }
    Gui::Seen expectResults() { return _answerer->expectMessageBox(IDOK, "Quillory"); }
    Gui::Seen expectStopQuestion(int button) { return _answerer->expectMessageBox(button, "Please confirm"); }

    static std::string wrongAnswerText(const std::string& answer, const std::string& expected);
    static std::string resultsText(int questions, int correct, int percent);

    int timesAsked(unsigned idx) { return doc().getItem(idx).getTimesAsked(); }
    int correctAnswers(unsigned idx) { return doc().getItem(idx).getCorrectAnswers(); }

    std::unique_ptr<Gui::Answerer> _answerer;
    bool _sessionStarted = false;
};
