#include "session/McSessionView.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "WinLib/Maker.h"
#include "engine/McSession.h"

namespace
{
    // At 96 dpi.
    const int Margin = 4;
    const int Gap = 4;
    const int MaxButtonHeight = 28;
    // Up to this many choices stand in one column, more in two.
    const std::size_t OneColumnMax = 3;

    // A button shows "&" as a mnemonic mark; a choice's text shows it as it is.
    std::string buttonText(std::size_t idx, std::string_view choice)
    {
        std::string text = std::to_string(idx + 1) + "  ";
        for (const char c : choice)
        {
            text += c;
            if (c == '&')
                text += '&';
        }
        return text;
    }
}

bool ChoiceKeysCtrl::OnKeyDown(WPARAM key, LPARAM keyData)
{
    if (McSessionView::choiceOfKey(key) < 0)
        return false;
    ::SendMessageA(::GetParent(_h), WM_KEYDOWN, key, keyData);
    return true;
}

McSessionView::McSessionView(HWND win, McSession& engine) : QuestionsSessionView(win, engine), _mc(engine)
{
    for (int i = 0; i < MaxChoices; ++i)
    {
        Win::ChildMaker maker("BUTTON", win, FirstChoiceId + i);
        maker._style = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_LEFT;
        _buttons[static_cast<std::size_t>(i)] = maker.Create("");
        _keys[static_cast<std::size_t>(i)].Attach(_buttons[static_cast<std::size_t>(i)]);
    }
    applyFont();
    showChoices();
}

void McSessionView::applyFont()
{
    for (const HWND button : _buttons)
        _font->applyTo(button);
}

int McSessionView::choiceOfKey(WPARAM key)
{
    if (key >= '1' && key < '1' + MaxChoices)
        return static_cast<int>(key - '1');
    if (key >= VK_NUMPAD1 && key < VK_NUMPAD1 + MaxChoices)
        return static_cast<int>(key - VK_NUMPAD1);
    return -1;
}

std::size_t McSessionView::getChoiceCount() const
{
    return std::min(_mc.getChoices().size(), static_cast<std::size_t>(MaxChoices));
}

void McSessionView::showChoices()
{
    const auto& choices = _mc.getChoices();
    const std::size_t count = getChoiceCount();
    for (std::size_t i = 0; i < _buttons.size(); ++i)
    {
        if (i < count)
            ::SetWindowTextA(_buttons[i], buttonText(i, choices[i]).c_str());
        ::ShowWindow(_buttons[i], i < count ? SW_SHOW : SW_HIDE);
    }
    placeButtons();
}

void McSessionView::paint(Win::Canvas& canvas)
{
    const int th = paintCommon(canvas);
    canvas.drawText(_engine.questionText(), 0, 2 * th, _width, _height / 2, TextFormat);
}

void McSessionView::layout()
{
    SessionView::layout();
    placeButtons();
}

// Numbered down the first column, then down the second.
void McSessionView::placeButtons()
{
    const std::size_t count = getChoiceCount();
    if (count == 0)
        return;
    const int columns = count <= OneColumnMax ? 1 : 2;
    const int rows = static_cast<int>((count + static_cast<std::size_t>(columns) - 1) / static_cast<std::size_t>(columns));
    const int margin = _dpi.scale(Margin);
    const int gap = _dpi.scale(Gap);
    const int top = _height / 2 + windowTextHeight() + margin;
    const int areaHeight = _height - margin - top;
    const int areaWidth = _width - 2 * margin;
    const int buttonHeight = std::min(_dpi.scale(MaxButtonHeight), (areaHeight - (rows - 1) * gap) / rows);
    const int buttonWidth = (areaWidth - (columns - 1) * gap) / columns;
    const int usedHeight = rows * buttonHeight + (rows - 1) * gap;
    const int firstTop = top + (areaHeight - usedHeight) / 2;
    for (std::size_t i = 0; i < count; ++i)
    {
        const int column = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        ::MoveWindow(_buttons[i], margin + column * (buttonWidth + gap), firstTop + row * (buttonHeight + gap),
                     buttonWidth, buttonHeight, TRUE);
    }
}

std::string McSessionView::getAnswer()
{
    const auto& choices = _mc.getChoices();
    if (_picked < 0 || static_cast<std::size_t>(_picked) >= choices.size())
        return std::string();
    return std::string(choices[static_cast<std::size_t>(_picked)]);
}

void McSessionView::clearAnswer()
{
    _picked = -1;
}
