#pragma once
#include <windows.h>
#include <map>

namespace Cmd { class Vector; }

namespace Menu
{
    enum Kind { POP = 0, CMD = 1, SEPARATOR = 2, END = 3 };

    // One row of a static menu template; a template ends with an END row.
    struct Item
    {
        Kind kind;
        // Display text with its "&" mnemonic and optional "\t" shortcut label.
        const char* text;
        // For CMD rows the command's name in the command table.
        const char* cmdName;
        // For POP rows the popup's own template.
        const Item* popup;
    };

    // Owns one menu handle until it is released or handed to a parent menu.
    class Maker
    {
    public:
        Maker() = default;
        ~Maker();
        Maker(const Maker&) = delete;
        Maker& operator=(const Maker&) = delete;

        void AddItem(int cmdId, const char* text);
        void AddSeparator();
        // The parent takes over the popup's handle.
        void AddPopup(Maker& popup, const char* text);
        HMENU Release();
        void Reset(HMENU menu);
        HMENU getHandle() const { return _menu; }

    protected:
        HMENU _menu = nullptr;
    };

    class BarMaker : public Maker
    {
    public:
        BarMaker();
        // On success the window owns the bar.
        void Attach(HWND h);
    };

    class PopupMaker : public Maker
    {
    public:
        PopupMaker();
    };

    // A popup whose items are produced each time it opens.
    class DynamicMaker : public PopupMaker
    {
    public:
        virtual ~DynamicMaker() = default;
        virtual void Refill(HMENU popup) = 0;
    };

    // The menu bar of one window, built from a static template, with the
    // command states applied whenever a popup opens.
    class DropDown
    {
    public:
        DropDown(const Item* barTemplate, const Cmd::Vector& cmdVector);
        ~DropDown();
        DropDown(const DropDown&) = delete;
        DropDown& operator=(const DropDown&) = delete;

        // Inserts a dynamic popup (not owned) into bar popup `menuIdx` at
        // `position`. Call before the bar is attached.
        void AddDynamic(DynamicMaker& maker, const char* text, unsigned menuIdx, unsigned position);
        void InitPopup(HMENU popup);
        void Attach(HWND h) { _menu.Attach(h); }
        BarMaker& getBar() { return _menu; }
        HMENU getHandle() const { return _menu.getHandle(); }

    private:
        HMENU makePopup(const Item* popupItems);

        BarMaker _menu;
        unsigned _barItemCnt = 0;
        const Item* _template;
        const Cmd::Vector& _cmdVector;
        std::map<HMENU, const Item*> _popups;
        std::map<HMENU, DynamicMaker*> _dynamics;
    };
}
