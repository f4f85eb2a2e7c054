#include "WinLib/Canvas.h"

#include "WinLib/WideText.h"

void Win::Canvas::getTextMetrics(int& charWidth, int& charHeight) const
{
    TEXTMETRICA tm{};
    ::GetTextMetricsA(_hdc, &tm);
    charWidth = tm.tmAveCharWidth;
    charHeight = tm.tmHeight + tm.tmExternalLeading;
}

void Win::Canvas::line(int x1, int y1, int x2, int y2)
{
    ::MoveToEx(_hdc, x1, y1, nullptr);
    ::LineTo(_hdc, x2, y2);
}

void Win::Canvas::rectangle(int left, int top, int right, int bottom)
{
    ::Rectangle(_hdc, left, top, right, bottom);
}

void Win::Canvas::drawText(const std::string& text, int left, int top, int right, int bottom, UINT format)
{
    // GDI draws "A" texts in the system code page whatever the process code
    // page is: the wide call draws every script.
    RECT rect{left, top, right, bottom};
    const std::wstring wide = Win::wideOf(text);
    ::DrawTextW(_hdc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
}

void Win::Canvas::opaqueBkgnd()
{
    ::SetBkMode(_hdc, OPAQUE);
}

void Win::Canvas::transparentBkgnd()
{
    ::SetBkMode(_hdc, TRANSPARENT);
}

Win::PaintCanvas::PaintCanvas(HWND h) : Canvas(nullptr), _paint{}, _h(h)
{
    _hdc = ::BeginPaint(_h, &_paint);
}

Win::PaintCanvas::~PaintCanvas()
{
    ::EndPaint(_h, &_paint);
}

Win::WindowCanvas::WindowCanvas(HWND h) : Canvas(::GetDC(h)), _h(h) {}

Win::WindowCanvas::~WindowCanvas()
{
    ::ReleaseDC(_h, _hdc);
}

Win::Brush::Brush(COLORREF color) : _brush(::CreateSolidBrush(color)) {}

Win::Brush::~Brush()
{
    ::DeleteObject(_brush);
}

Win::Font::Font(int height, int weight)
    : _font(::CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg"))
{
}

Win::Font::~Font()
{
    ::DeleteObject(_font);
}

Win::ObjectHolder::ObjectHolder(Canvas& canvas, HGDIOBJ object)
    : _hdc(canvas.getDC()), _previous(::SelectObject(_hdc, object))
{
}

Win::ObjectHolder::~ObjectHolder()
{
    ::SelectObject(_hdc, _previous);
}
