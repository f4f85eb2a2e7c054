#pragma once
#include <array>
#include <cstddef>

#include "WinLib/Controller.h"
#include "session/SessionView.h"

class McSession;

// Passes the number keys pressed on a choice button to the session window,
// so that a choice can be picked by its number whichever has the focus.
class ChoiceKeysCtrl : public Win::SubController
{
public:
    bool OnKeyDown(WPARAM key, LPARAM keyData) override;
};

// The multiple-choice view: the question in the upper half, the choices in
// the lower half as buttons numbered from 1.
class McSessionView : public QuestionsSessionView
{
public:
    McSessionView(HWND win, McSession& engine);

    void paint(Win::Canvas& canvas) override;
    void layout() override;
    // The picked choice's text; empty when nothing was picked.
    std::string getAnswer() override;
    void clearAnswer() override;

    // Puts the current question's choices on the buttons.
    void showChoices();
    std::size_t getChoiceCount() const;
    void setPicked(std::size_t idx) { _picked = static_cast<int>(idx); }
    // The choice that a number key (1 to 6, main keys or numeric pad) stands
    // for; -1 for any other key.
    static int choiceOfKey(WPARAM key);

    static constexpr int MaxChoices = 6;
    // Button ids: FirstChoiceId + the choice's index.
    static constexpr int FirstChoiceId = 200;

private:
    void applyFont() override;
    void placeButtons();

    McSession& _mc;
    std::array<HWND, MaxChoices> _buttons{};
    std::array<ChoiceKeysCtrl, MaxChoices> _keys;
    int _picked = -1;
};
