#pragma once
#include <windows.h>

#include <memory>

#include "WinLib/Dpi.h"
#include "WinLib/ImageList.h"

namespace Cmd { class Vector; }

namespace Win
{
    // One row of a static toolbar template; the template ends with a row of kind END.
    struct ToolbarButton
    {
        static constexpr int PUSH = 0, CHECK = 1, SEPARATOR = 2, END = 3;
        static constexpr int STD_IMAGES = 0, VIEW_IMAGES = 1, RESOURCE = 2;

        // A RESOURCE row names its picture at 16 pixels; the same picture at
        // 24 and at 32 pixels has that id plus this step, and plus twice it.
        static constexpr int LargerPictureStep = 100;

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
        // Its images are made for the parent's DPI.
        Toolbar(HWND parent, int id, const ToolbarButton* buttons, const Cmd::Vector& cmdVector);
        ~Toolbar();
        Toolbar(const Toolbar&) = delete;
        Toolbar& operator=(const Toolbar&) = delete;
        // Replaces the control by an empty one for `dpi`; the owner then sets
        // its styles and adds the buttons as after construction.
        void Recreate(Dpi dpi);
        void SetFlat();
        void SetToolTips();
        void AddButtons();
        // Each button's state from its command's test: 0 greyed, 1 enabled, 2 checked.
        void UpdateButtons();
        void AutoSize();
        int getHeight() const;
        HWND getHandle() const { return _h; }
        void setLargeImages(bool large) { _largeImages = large; }
        // The side of the buttons' images: 16, 24 or 32 pixels by DPI.
        int getImageSize() const { return imageSizeFor(_dpi); }

    private:
        static int imageSizeFor(Dpi dpi);
        void addStyle(DWORD style);
        void create(HWND parent);
        void setDpi(Dpi dpi);
        // The first index of the system's list, added once.
        int addSystemImages(UINT_PTR smallList, UINT_PTR largeList, int count);
        // Moves the system's images into a list of the toolbar's own whose
        // larger images hold them in their middle.
        void useOwnImages(int size);
        int addPicture(int bitmapId);

        int _count;
        const ToolbarButton* _buttons;
        HWND _h = nullptr;
        int _id;
        const Cmd::Vector& _cmdVector;
        bool _largeImages = false;
        Dpi _dpi;
        // Pictures larger than the system's images live in a list of the
        // toolbar's own, the system's images centred in its larger cells.
        std::unique_ptr<ImageList> _ownImages;
    };
}
