#pragma once
#include <windows.h>
#include <string>

namespace Win
{
    class Canvas
    {
    public:
        explicit Canvas(HDC hdc) : _hdc(hdc) {}
        Canvas(const Canvas&) = delete;
        Canvas& operator=(const Canvas&) = delete;
        HDC getDC() const { return _hdc; }

        // Average character width, and height plus external leading.
        void getTextMetrics(int& charWidth, int& charHeight) const;
        void line(int x1, int y1, int x2, int y2);
        void rectangle(int left, int top, int right, int bottom);
        void drawText(const std::string& text, int left, int top, int right, int bottom, UINT format);
        void opaqueBkgnd();
        void transparentBkgnd();

    protected:
        HDC _hdc;
    };

    // One paint session: BeginPaint in the constructor, EndPaint in the destructor.
    class PaintCanvas : public Canvas
    {
    public:
        explicit PaintCanvas(HWND h);
        ~PaintCanvas();
        const PAINTSTRUCT& getPaint() const { return _paint; }

    private:
        PAINTSTRUCT _paint;
        HWND _h;
    };

    // A window's device context outside painting (to measure text):
    // GetDC in the constructor, ReleaseDC in the destructor.
    class WindowCanvas : public Canvas
    {
    public:
        explicit WindowCanvas(HWND h);
        ~WindowCanvas();

    private:
        HWND _h;
    };

    class Brush
    {
    public:
        explicit Brush(COLORREF color);
        ~Brush();
        Brush(const Brush&) = delete;
        Brush& operator=(const Brush&) = delete;
        HBRUSH getHandle() const { return _brush; }

    private:
        HBRUSH _brush;
    };

    // A font of the dialogs' face ("MS Shell Dlg"), which Windows links to
    // fonts of other scripts: texts of any language show as letters, as they
    // would not in the raster System font.
    class Font
    {
    public:
        Font(int height, int weight);
        ~Font();
        Font(const Font&) = delete;
        Font& operator=(const Font&) = delete;
        HFONT getHandle() const { return _font; }

    private:
        HFONT _font;
    };

    // Selects a drawing object into a canvas for its lifetime, then puts the
    // previous one back.
    class ObjectHolder
    {
    public:
        ~ObjectHolder();
        ObjectHolder(const ObjectHolder&) = delete;
        ObjectHolder& operator=(const ObjectHolder&) = delete;

    protected:
        ObjectHolder(Canvas& canvas, HGDIOBJ object);

    private:
        HDC _hdc;
        HGDIOBJ _previous;
    };

    class FontHolder : public ObjectHolder
    {
    public:
        FontHolder(Canvas& canvas, const Font& font) : ObjectHolder(canvas, font.getHandle()) {}
    };

    class BrushHolder : public ObjectHolder
    {
    public:
        BrushHolder(Canvas& canvas, const Brush& brush) : ObjectHolder(canvas, brush.getHandle()) {}
    };
}
