#include "WinLib/toolbar.h"

#include "WinLib/Assert.h"
#include "WinLib/Maker.h"
#include "WinLib/command.h"

#include <commctrl.h>
#include <vector>

namespace
{
    int countRows(const Win::ToolbarButton* buttons)
    {
        int count = 0;
        while (buttons[count].kind != Win::ToolbarButton::END)
            ++count;
        return count;
    }

    BYTE styleOf(int kind)
    {
        switch (kind)
        {
        case Win::ToolbarButton::CHECK:
            return TBSTYLE_CHECK;
        case Win::ToolbarButton::SEPARATOR:
            return TBSTYLE_SEP;
        default:
            return TBSTYLE_BUTTON;
        }
    }

    BYTE stateOf(int status)
    {
        switch (status)
        {
        case 0:
            return TBSTATE_INDETERMINATE;
        case 2:
            return TBSTATE_CHECKED;
        default:
            return TBSTATE_ENABLED;
        }
    }
}

Win::Toolbar::Toolbar(HWND parent, int id, const ToolbarButton* buttons, const Cmd::Vector& cmdVector)
    : _count(countRows(buttons)), _buttons(buttons), _cmdVector(cmdVector)
{
    // Not checked: a missing toolbar leaves the rest of the window usable.
    _h = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instanceOf(parent), nullptr);
    ::SendMessageA(_h, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void Win::Toolbar::addStyle(DWORD style)
{
    const LRESULT current = ::SendMessageA(_h, TB_GETSTYLE, 0, 0);
    ::SendMessageA(_h, TB_SETSTYLE, 0, static_cast<LPARAM>(current | style));
}

void Win::Toolbar::SetFlat()
{
    addStyle(TBSTYLE_FLAT);
}

void Win::Toolbar::SetToolTips()
{
    addStyle(TBSTYLE_TOOLTIPS);
}

void Win::Toolbar::AddButtons()
{
    std::vector<TBBUTTON> tbb(static_cast<size_t>(_count));

    // Each system image list is added at most once, at its first use.
    bool stdImagesLoaded = false;
    bool viewImagesLoaded = false;
    int stdFirst = 0;
    int viewFirst = 0;
    for (int i = 0; i < _count && !(stdImagesLoaded && viewImagesLoaded); ++i)
    {
        const ToolbarButton& row = _buttons[i];
        if (row.kind == ToolbarButton::SEPARATOR)
            continue;
        if (row.imageSource == ToolbarButton::STD_IMAGES && !stdImagesLoaded)
        {
            TBADDBITMAP bmp{HINST_COMMCTRL, static_cast<UINT_PTR>(_largeImages ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR)};
            stdFirst = static_cast<int>(::SendMessageA(_h, TB_ADDBITMAP, 14, reinterpret_cast<LPARAM>(&bmp)));
            stdImagesLoaded = true;
        }
        else if (row.imageSource == ToolbarButton::VIEW_IMAGES && !viewImagesLoaded)
        {
            TBADDBITMAP bmp{HINST_COMMCTRL, static_cast<UINT_PTR>(_largeImages ? IDB_VIEW_LARGE_COLOR : IDB_VIEW_SMALL_COLOR)};
            viewFirst = static_cast<int>(::SendMessageA(_h, TB_ADDBITMAP, 12, reinterpret_cast<LPARAM>(&bmp)));
            viewImagesLoaded = true;
        }
    }

    const HINSTANCE hInst = instanceOf(_h);
    for (int i = 0; i < _count; ++i)
    {
        const ToolbarButton& row = _buttons[i];
        TBBUTTON& button = tbb[static_cast<size_t>(i)];
        if (row.kind == ToolbarButton::SEPARATOR)
        {
            // A separator's image field is its width.
            button.iBitmap = row.image;
        }
        else
        {
            if (row.imageSource == ToolbarButton::RESOURCE)
            {
                TBADDBITMAP bmp{hInst, static_cast<UINT_PTR>(row.image)};
                button.iBitmap = static_cast<int>(::SendMessageA(_h, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&bmp)));
            }
            else if (row.imageSource == ToolbarButton::STD_IMAGES)
            {
                Assert(stdImagesLoaded);
                button.iBitmap = stdFirst + row.image;
            }
            else
            {
                Assert(viewImagesLoaded);
                button.iBitmap = viewFirst + row.image;
            }
            button.idCommand = _cmdVector.cmdToId(row.cmdName);
        }
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = styleOf(row.kind);
        button.iString = reinterpret_cast<INT_PTR>(row.text);
    }
    ::SendMessageA(_h, TB_ADDBUTTONSA, tbb.size(), reinterpret_cast<LPARAM>(tbb.data()));
    AutoSize();
}

void Win::Toolbar::UpdateButtons()
{
    for (int i = 0; i < _count; ++i)
    {
        const ToolbarButton& row = _buttons[i];
        if (row.kind == ToolbarButton::SEPARATOR)
            continue;
        const int id = _cmdVector.cmdToId(row.cmdName);
        TBBUTTONINFOA info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_STATE;
        info.fsState = stateOf(_cmdVector.test(row.cmdName));
        ::SendMessageA(_h, TB_SETBUTTONINFOA, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
    }
}

void Win::Toolbar::AutoSize()
{
    ::SendMessageA(_h, TB_AUTOSIZE, 0, 0);
}

int Win::Toolbar::getHeight() const
{
    RECT rect{};
    ::GetWindowRect(_h, &rect);
    return rect.bottom - rect.top;
}
