#pragma once
// Answers modal boxes and dialogs for a test. A modal MessageBox or DialogBox
// runs its own loop inside the call that opens it, so the answer is arranged
// before the call: when a dialog (class "#32770") of this thread activates, the
// first pending expectation that matches it acts on it from a timer dispatched
// by the dialog's own loop.
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Gui
{
    // What a handled box or dialog showed.
    class Seen
    {
    public:
        bool seen() const { return _state->seen; }
        HWND window() const { return _state->window; }
        const std::string& text() const { return _state->text; }
        const std::string& caption() const { return _state->caption; }
        HWND owner() const { return _state->owner; }

        struct State
        {
            bool seen = false;
            HWND window = nullptr;
            HWND owner = nullptr;
            std::string text;
            std::string caption;
        };
        explicit Seen(std::shared_ptr<State> state) : _state(std::move(state)) {}

    private:
        std::shared_ptr<State> _state;
    };

    // Which dialog an expectation is for.
    struct DialogMatch
    {
        std::string title;  // empty: any title
        int controlId = 0;  // 0: any; otherwise the dialog must have this control
        static DialogMatch any() { return {}; }
        static DialogMatch byTitle(std::string t) { return {std::move(t), 0}; }
        static DialogMatch byControl(int id) { return {std::string(), id}; }
        bool matches(HWND dlg) const;
    };

    class Answerer
    {
    public:
        // Installs the watch for the calling thread. A dialog that no
        // expectation claims within `unexpectedMs` is recorded as unexpected
        // and dismissed, so that a test fails instead of hanging.
        explicit Answerer(DWORD unexpectedMs = 8000);
        ~Answerer();
        Answerer(const Answerer&) = delete;
        Answerer& operator=(const Answerer&) = delete;

        // The next message box: record its text and caption, then press `button`
        // (IDOK, IDYES, IDNO, IDCANCEL...).
        Seen expectMessageBox(int button = IDOK, std::string caption = std::string());
        // The next dialog that matches: record it, then run `action` on it
        // (set texts, click buttons with Gui::click). The action runs inside the
        // dialog's own loop; it may expect further boxes.
        Seen onDialog(DialogMatch match, std::function<void(HWND)> action);

        // Every expectation has been met.
        bool done() const { return _pending.empty(); }
        size_t pendingCount() const { return _pending.size(); }
        // Dialogs that appeared without an expectation (caption: text).
        const std::vector<std::string>& unexpected() const { return _unexpected; }

    private:
        struct Expectation
        {
            DialogMatch match;
            std::function<void(HWND)> action;
            std::shared_ptr<Seen::State> state;
        };

        static LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam);
        static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
        void noticed(HWND dlg);
        void serve();
        void arm();

        std::deque<Expectation> _pending;
        std::vector<HWND> _waiting;
        std::vector<HWND> _handled;
        std::vector<std::string> _unexpected;
        HHOOK _hook = nullptr;
        UINT_PTR _timer = 0;
        DWORD _unexpectedMs;
        DWORD _firstWait = 0;
        Answerer* _outer;
    };
}
