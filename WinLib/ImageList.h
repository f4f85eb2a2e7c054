#pragma once
#include <windows.h>
#include <commctrl.h>

namespace Win
{
    // An image list of square images that the program owns: destroyed with
    // the wrapper, so a control that shows it must let go of it first.
    class ImageList
    {
    public:
        explicit ImageList(int size);
        ~ImageList();
        ImageList(const ImageList&) = delete;
        ImageList& operator=(const ImageList&) = delete;

        HIMAGELIST getHandle() const { return _h; }
        int getSize() const { return _size; }
        // Image `index` of `source`, whose images are no larger, in the
        // middle of an image of this list's size. Returns its index.
        int addCentred(HIMAGELIST source, int index);
        // A toolbar picture: a bitmap resource whose black, greys and white
        // become the system's 3D colours and whose button-face background
        // lets the button show through, as a toolbar maps its own pictures.
        // Returns its index.
        int addToolbarPicture(HINSTANCE inst, int bitmapId);

    private:
        int _size;
        HIMAGELIST _h;
    };
}
