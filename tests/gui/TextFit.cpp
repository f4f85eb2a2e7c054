#include "tests/gui/TextFit.h"

#include "tests/support/gui/Harness.h"

#include <commctrl.h>

#include <memory>
#include <set>
#include <type_traits>
#include <vector>

namespace
{
    // More room than any text needs.
    const int Spare = 600;

    struct WindowDeleter
    {
        void operator()(HWND h) const { ::DestroyWindow(h); }
    };
    using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

    HFONT fontOf(HWND h)
    {
        return reinterpret_cast<HFONT>(::SendMessageA(h, WM_GETFONT, 0, 0));
    }

    // The pixels of `area` as the window paints its client area.
    std::vector<DWORD> painted(HWND h, const RECT& area)
    {
        RECT client{};
        ::GetClientRect(h, &client);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = ::CreateCompatibleDC(nullptr);
        HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = ::SelectObject(dc, bitmap);
        ::SendMessageA(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
        ::GdiFlush();
        std::vector<DWORD> pixels;
        const auto* rows = static_cast<const DWORD*>(bits);
        for (LONG y = area.top; y < area.bottom && y < client.bottom; ++y)
        {
            for (LONG x = area.left; x < area.right && x < client.right; ++x)
                pixels.push_back(rows[y * client.right + x]);
        }
        ::SelectObject(dc, previous);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        return pixels;
    }

    // Whether `control` paints its text the same at its size as with room to
    // spare: a copy of it, beside the real one, painted at both sizes. Only
    // wider when `taller` is false: a button centres its text vertically.
    bool paintsWhole(HWND control, const RECT& compared, bool taller)
    {
        RECT client{};
        ::GetClientRect(control, &client);
        const std::string text = Gui::windowText(control);
        const OwnedWindow copy(::CreateWindowExA(static_cast<DWORD>(::GetWindowLongA(control, GWL_EXSTYLE)),
                                                 Gui::className(control).c_str(), text.c_str(),
                                                 static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)) & ~WS_VISIBLE,
                                                 0, 0, client.right, client.bottom, ::GetParent(control), nullptr,
                                                 ::GetModuleHandleA(nullptr), nullptr));
        ::SendMessageA(copy.get(), WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(control)), FALSE);
        const std::vector<DWORD> asShown = painted(copy.get(), compared);
        ::SetWindowPos(copy.get(), nullptr, 0, 0, client.right + Spare, client.bottom + (taller ? Spare : 0),
                       SWP_NOMOVE | SWP_NOZORDER);
        return asShown == painted(copy.get(), compared);
    }

    // False when the control shows no text of its own or shows it whole.
    bool isCut(HWND control)
    {
        const std::string cls = Gui::className(control);
        const LONG style = ::GetWindowLongA(control, GWL_STYLE);
        RECT client{};
        ::GetClientRect(control, &client);
        if (Gui::windowText(control).empty() && cls != "Edit")
            return false;
        if (cls == "Static")
        {
            const LONG kind = style & SS_TYPEMASK;
            // Centred and right-aligned texts move with the width: left-aligned ones only here.
            return kind != SS_ICON && kind != SS_BITMAP && !paintsWhole(control, client, true);
        }
        if (cls == "Button")
        {
            const LONG kind = style & BS_TYPEMASK;
            if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)
            {
                // Centred: the button's own measure of its text and margins.
                SIZE ideal{};
                ::SendMessageA(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
                return ideal.cx > client.right || ideal.cy > client.bottom;
            }
            // A group box's frame turns down a few pixels in from its edge,
            // where the wider copy's runs on.
            const int frame = kind == BS_GROUPBOX ? 4 * ::GetSystemMetrics(SM_CXEDGE) : 0;
            return !paintsWhole(control, RECT{0, 0, client.right - frame, client.bottom}, false);
        }
        if (cls == "Edit")
            return TextFit::extent(control, "Wg").cy > client.bottom;
        return false;
    }

    // A hidden report list view with three columns showing its texts in
    // `font`; the text stands in the title and the only row of the middle
    // one, and in the row of the first when `firstColumn`.
    OwnedWindow probeList(HFONT font, const std::string& text, bool firstColumn)
    {
        OwnedWindow probe(::CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 1200, 200, nullptr,
                                            nullptr, ::GetModuleHandleA(nullptr), nullptr));
        ::SendMessageA(probe.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        for (int i = 0; i < 3; ++i)
        {
            LVCOLUMNA column{};
            column.mask = LVCF_WIDTH | LVCF_TEXT;
            column.cx = 100;
            column.pszText = const_cast<char*>(i == 1 ? text.c_str() : "");
            ::SendMessageA(probe.get(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        }
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<char*>(firstColumn ? text.c_str() : "");
        ::SendMessageA(probe.get(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(text.c_str());
        ::SendMessageA(probe.get(), LVM_SETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
        return probe;
    }
}

SIZE TextFit::extent(HWND h, const std::string& text)
{
    HDC dc = ::GetDC(h);
    HGDIOBJ previous = ::SelectObject(dc, fontOf(h));
    RECT rect{};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, previous);
    ::ReleaseDC(h, dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

std::set<std::string> TextFit::cutTexts(HWND dialog)
{
    std::set<std::string> cut;
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control != nullptr; control = ::GetWindow(control, GW_HWNDNEXT))
    {
        if ((::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0 && isCut(control))
            cut.insert(Gui::windowText(control));
    }
    return cut;
}

bool TextFit::showsWhole(HFONT font, const std::string& text, int width, Place place)
{
    const bool first = place == Place::FirstColumn;
    const OwnedWindow probe = probeList(font, text, first);
    const int column = first ? 0 : 1;
    const HWND header = reinterpret_cast<HWND>(::SendMessageA(probe.get(), LVM_GETHEADER, 0, 0));
    ::SendMessageA(probe.get(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0));
    RECT area{};
    if (place == Place::Title)
    {
        ::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&area));
        // Without the title's right frame, which the wide column draws further right.
        area.right -= ::GetSystemMetrics(SM_CXEDGE);
    }
    else
    {
        area.top = column;
        area.left = first ? LVIR_LABEL : LVIR_BOUNDS;
        ::SendMessageA(probe.get(), LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&area));
    }
    const HWND shown = place == Place::Title ? header : probe.get();
    const std::vector<DWORD> narrow = painted(shown, area);
    ::SendMessageA(probe.get(), LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width + Spare, 0));
    return !narrow.empty() && narrow == painted(shown, area);
}
