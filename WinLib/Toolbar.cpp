#include "WinLib/Toolbar.h"

#include "base/Assert.h"
#include "WinLib/Maker.h"
#include "WinLib/Command.h"

#include <commctrl.h>
#include <vector>

namespace
{
    // The system's standard and view images come at these two sizes.
    const int SmallImageSize = 16;
    const int LargeSystemImageSize = 24;

    // The resource id of the 16-pixel picture `bitmapId` drawn at `size` pixels.
    int pictureAt(int bitmapId, int size)
    {
        const int step = Win::ToolbarButton::LargerPictureStep;
        if (size == SmallImageSize)
            return bitmapId;
        return bitmapId + (size == LargeSystemImageSize ? step : 2 * step);
    }

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
    : _count(countRows(buttons)), _buttons(buttons), _id(id), _cmdVector(cmdVector)
{
    setDpi(Dpi::of(parent));
    create(parent);
}

Win::Toolbar::~Toolbar()
{
    // The control may outlive this wrapper; it must not show a destroyed list.
    if (_ownImages && ::IsWindow(_h))
        ::SendMessageA(_h, TB_SETIMAGELIST, 0, 0);
}

void Win::Toolbar::create(HWND parent)
{
    // Not checked: a missing toolbar leaves the rest of the window usable.
    _h = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(_id)), instanceOf(parent), nullptr);
    ::SendMessageA(_h, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
}

void Win::Toolbar::Recreate(Dpi dpi)
{
    const HWND parent = ::GetParent(_h);
    ::DestroyWindow(_h);
    _ownImages.reset();
    setDpi(dpi);
    create(parent);
}

void Win::Toolbar::setDpi(Dpi dpi)
{
    _dpi = dpi;
    // The system's large images (24 pixels) from 120 dpi on.
    _largeImages = imageSizeFor(dpi) != SmallImageSize;
}

int Win::Toolbar::imageSizeFor(Dpi dpi)
{
    if (dpi.get() < 120)
        return SmallImageSize;
    return dpi.get() < 168 ? LargeSystemImageSize : 32;
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

    const int size = getImageSize();
    // Left alone at 16: the default 16 by 15 is what the 16-pixel pictures are drawn for.
    if (size != SmallImageSize)
        ::SendMessageA(_h, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));

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
            stdFirst = addSystemImages(IDB_STD_SMALL_COLOR, IDB_STD_LARGE_COLOR, 14);
            stdImagesLoaded = true;
        }
        else if (row.imageSource == ToolbarButton::VIEW_IMAGES && !viewImagesLoaded)
        {
            viewFirst = addSystemImages(IDB_VIEW_SMALL_COLOR, IDB_VIEW_LARGE_COLOR, 12);
            viewImagesLoaded = true;
        }
    }
    // Adding the system's images set the toolbar's image size to theirs.
    if (size > LargeSystemImageSize)
        useOwnImages(size);

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
                button.iBitmap = addPicture(row.image);
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

void Win::Toolbar::useOwnImages(int size)
{
    _ownImages = std::make_unique<ImageList>(size);
    const HIMAGELIST system = reinterpret_cast<HIMAGELIST>(::SendMessageA(_h, TB_GETIMAGELIST, 0, 0));
    const int systemCount = system != nullptr ? ::ImageList_GetImageCount(system) : 0;
    for (int i = 0; i < systemCount; ++i)
        _ownImages->addCentred(system, i);
    ::SendMessageA(_h, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(_ownImages->getHandle()));
    ::SendMessageA(_h, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
}

int Win::Toolbar::addSystemImages(UINT_PTR smallList, UINT_PTR largeList, int count)
{
    TBADDBITMAP bmp{HINST_COMMCTRL, _largeImages ? largeList : smallList};
    return static_cast<int>(::SendMessageA(_h, TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&bmp)));
}

int Win::Toolbar::addPicture(int bitmapId)
{
    const int id = pictureAt(bitmapId, getImageSize());
    const HINSTANCE hInst = instanceOf(_h);
    if (_ownImages)
        return _ownImages->addToolbarPicture(hInst, id);
    TBADDBITMAP bmp{hInst, static_cast<UINT_PTR>(id)};
    return static_cast<int>(::SendMessageA(_h, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&bmp)));
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
