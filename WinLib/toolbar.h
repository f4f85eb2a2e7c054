#pragma once
#include <windows.h>

namespace Cmd { class Vector; }

namespace Win
{
    // One row of a static toolbar template; the template ends with a row of kind END.
    struct ToolbarButton
    {
        static constexpr int PUSH = 0, CHECK = 1, SEPARATOR = 2, END = 3;
        static constexpr int STD_IMAGES = 0, VIEW_IMAGES = 1, RESOURCE = 2;

        int kind;
        int imageSource;
        // Index in the system list, bitmap resource id, or a separator's width.
        int image;
        const char* text;
        const char* cmdName;
    };

    class Toolbar
    {
    public:
        Toolbar(HWND parent, int id, const ToolbarButton* buttons, const Cmd::Vector& cmdVector);
        void SetFlat();
        void SetToolTips();
        void AddButtons();
        // Each button's state from its command's test: 0 greyed, 1 enabled, 2 checked.
        void UpdateButtons();
        void AutoSize();
        int getHeight() const;
        HWND getHandle() const { return _h; }
        void setLargeImages(bool large) { _largeImages = large; }

    private:
        void addStyle(DWORD style);

        int _count;
        const ToolbarButton* _buttons;
        HWND _h;
        const Cmd::Vector& _cmdVector;
        bool _largeImages = false;
    };
}
