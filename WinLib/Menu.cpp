#include "WinLib/Menu.h"

#include "base/Assert.h"
#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/Command.h"

namespace
{
    HMENU createMenu()
    {
        HMENU menu = ::CreateMenu();
        if (menu == nullptr)
            throw Win::Exception("Internal error: cannot create menu", Win::lastError());
        return menu;
    }

    UINT_PTR idOf(int cmdId)
    {
        return static_cast<UINT_PTR>(static_cast<unsigned>(cmdId));
    }
}

Menu::Maker::~Maker()
{
    if (_menu != nullptr)
        ::DestroyMenu(_menu);
}

void Menu::Maker::AddItem(int cmdId, const char* text)
{
    if (!::AppendMenuA(_menu, MF_STRING, idOf(cmdId), text))
        throw Win::Exception("Internal error: cannot add menu item", Win::lastError());
}

void Menu::Maker::AddSeparator()
{
    if (!::AppendMenuA(_menu, MF_SEPARATOR, 0, nullptr))
        throw Win::Exception("Internal error: cannot add menu separator", Win::lastError());
}

void Menu::Maker::AddPopup(Maker& popup, const char* text)
{
    HMENU sub = popup.Release();
    if (!::AppendMenuA(_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text))
    {
        const auto err = Win::lastError();
        // Not adopted by the parent: the popup goes back to its maker.
        popup.Reset(sub);
        throw Win::Exception("Internal error: cannot add popup menu", err);
    }
}

HMENU Menu::Maker::Release()
{
    HMENU menu = _menu;
    _menu = nullptr;
    return menu;
}

void Menu::Maker::Reset(HMENU menu)
{
    if (_menu != nullptr && _menu != menu)
        ::DestroyMenu(_menu);
    _menu = menu;
}

Menu::BarMaker::BarMaker()
{
    _menu = createMenu();
}

void Menu::BarMaker::Attach(HWND h)
{
    if (::SetMenu(h, _menu))
        Release();
}

Menu::PopupMaker::PopupMaker()
{
    _menu = createMenu();
}

Menu::DropDown::DropDown(const Item* barTemplate, const Cmd::Vector& cmdVector)
    : _template(barTemplate), _cmdVector(cmdVector)
{
    while (_template[_barItemCnt].kind != END)
        ++_barItemCnt;
    for (unsigned curMenu = 0; curMenu < _barItemCnt; ++curMenu)
    {
        Assert(_template[curMenu].kind==Menu::POP);
        Maker popup;
        popup.Reset(makePopup(_template[curMenu].popup));
        _popups[popup.getHandle()] = _template[curMenu].popup;
        _menu.AddPopup(popup, _template[curMenu].text);
    }
}

HMENU Menu::DropDown::makePopup(const Item* popupItems)
{
    Assert(popupItems!=0);
    PopupMaker popup;
    for (int curItem = 0; popupItems[curItem].kind != END; ++curItem)
    {
        const Item& item = popupItems[curItem];
        if (item.kind == CMD)
        {
            popup.AddItem(_cmdVector.cmdToId(item.cmdName), item.text);
        }
        else if (item.kind == POP)
        {
            Maker sub;
            sub.Reset(makePopup(item.popup));
            _popups[sub.getHandle()] = item.popup;
            popup.AddPopup(sub, item.text);
        }
        else
        {
            Assert(popupItems[curItem].kind==SEPARATOR);
            popup.AddSeparator();
        }
    }
    return popup.Release();
}

Menu::DropDown::~DropDown()
{
    // The dynamic makers belong to the window's layout object.
    _popups.clear();
    _dynamics.clear();
}

void Menu::DropDown::AddDynamic(DynamicMaker& maker, const char* text, unsigned menuIdx, unsigned position)
{
    Assert(_menu.getHandle()!=0);
    Assert(menuIdx<_barItemCnt);
    HMENU barPopup = ::GetSubMenu(_menu.getHandle(), static_cast<int>(menuIdx));
    HMENU dynamic = maker.Release();
    ::InsertMenuA(barPopup, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(dynamic), text);
    _dynamics[dynamic] = &maker;
}

void Menu::DropDown::InitPopup(HMENU menu)
{
    const auto found = _popups.find(menu);
    if (found != _popups.end())
    {
        const Item* popup = found->second;
        Assert(popup!=0);
        for (int i = 0; popup[i].kind != END; ++i)
        {
            if (popup[i].kind != CMD)
                continue;
            const int status = _cmdVector.test(popup[i].cmdName);
            const UINT id = static_cast<UINT>(_cmdVector.cmdToId(popup[i].cmdName));
            switch (status)
            {
            case 0:
                ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
                break;
            case 1:
                ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
                ::CheckMenuItem(menu, id, MF_BYCOMMAND | MF_UNCHECKED);
                break;
            case 2:
                ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
                ::CheckMenuItem(menu, id, MF_BYCOMMAND | MF_CHECKED);
                break;
            default:
                throw Win::Exception("Internal error: Illegal command status", Win::lastError());
            }
        }
        return;
    }
    const auto dynamic = _dynamics.find(menu);
    if (dynamic == _dynamics.end())
        throw Win::Exception("Internal error: Unknown menu initialization", Win::lastError());
    dynamic->second->Refill(menu);
}
