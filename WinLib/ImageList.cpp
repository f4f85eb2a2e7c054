#include "WinLib/ImageList.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"

namespace
{
    class Bitmap
    {
    public:
        explicit Bitmap(HBITMAP h) : _h(h) {}
        ~Bitmap() { ::DeleteObject(_h); }
        Bitmap(const Bitmap&) = delete;
        Bitmap& operator=(const Bitmap&) = delete;
        HBITMAP get() const { return _h; }

    private:
        HBITMAP _h;
    };

    // A memory device context drawing into one bitmap for its lifetime.
    class BitmapCanvas
    {
    public:
        explicit BitmapCanvas(const Bitmap& into)
            : _dc(::CreateCompatibleDC(nullptr)), _previous(::SelectObject(_dc, into.get()))
        {
        }
        ~BitmapCanvas()
        {
            ::SelectObject(_dc, _previous);
            ::DeleteDC(_dc);
        }
        BitmapCanvas(const BitmapCanvas&) = delete;
        BitmapCanvas& operator=(const BitmapCanvas&) = delete;
        HDC get() const { return _dc; }

    private:
        HDC _dc;
        HGDIOBJ _previous;
    };

    Bitmap screenBitmap(int size)
    {
        const HDC screen = ::GetDC(nullptr);
        HBITMAP h = ::CreateCompatibleBitmap(screen, size, size);
        ::ReleaseDC(nullptr, screen);
        return Bitmap(h);
    }
}

Win::ImageList::ImageList(int size)
    : _size(size), _h(::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 8, 8))
{
    if (_h == nullptr)
        throw Win::Exception("Internal error: ImageList_Create failed", Win::lastError());
}

Win::ImageList::~ImageList()
{
    ::ImageList_Destroy(_h);
}

int Win::ImageList::addCentred(HIMAGELIST source, int index)
{
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(source, &width, &height);
    const int x = (_size - width) / 2;
    const int y = (_size - height) / 2;
    // Where the mask is white the image must be black, so the margin is
    // black in the colours and white (see-through) in the mask.
    const Bitmap colours = screenBitmap(_size);
    const Bitmap mask(::CreateBitmap(_size, _size, 1, 1, nullptr));
    {
        const BitmapCanvas canvas(colours);
        ::PatBlt(canvas.get(), 0, 0, _size, _size, BLACKNESS);
        ::ImageList_Draw(source, index, canvas.get(), x, y, ILD_NORMAL);
    }
    {
        const BitmapCanvas canvas(mask);
        ::PatBlt(canvas.get(), 0, 0, _size, _size, WHITENESS);
        ::ImageList_Draw(source, index, canvas.get(), x, y, ILD_MASK);
    }
    return ::ImageList_Add(_h, colours.get(), mask.get());
}

int Win::ImageList::addToolbarPicture(HINSTANCE inst, int bitmapId)
{
    const Bitmap picture(::CreateMappedBitmap(inst, bitmapId, 0, nullptr, 0));
    return ::ImageList_AddMasked(_h, picture.get(), ::GetSysColor(COLOR_BTNFACE));
}
