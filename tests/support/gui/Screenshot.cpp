#include "tests/support/gui/Screenshot.h"

#include "tests/support/gui/Harness.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

namespace
{
    std::uint32_t crc32(const std::string& data)
    {
        static std::uint32_t table[256];
        static bool ready = false;
        if (!ready)
        {
            for (std::uint32_t n = 0; n < 256; ++n)
            {
                std::uint32_t c = n;
                for (int k = 0; k < 8; ++k)
                    c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                table[n] = c;
            }
            ready = true;
        }
        std::uint32_t crc = 0xFFFFFFFFu;
        for (unsigned char byte : data)
            crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
        return crc ^ 0xFFFFFFFFu;
    }

    void putBig32(std::string& out, std::uint32_t v)
    {
        out += static_cast<char>(v >> 24);
        out += static_cast<char>(v >> 16);
        out += static_cast<char>(v >> 8);
        out += static_cast<char>(v);
    }

    void chunk(std::string& png, const char* type, const std::string& data)
    {
        putBig32(png, static_cast<std::uint32_t>(data.size()));
        const std::string body = std::string(type, 4) + data;
        png += body;
        putBig32(png, crc32(body));
    }

    // A zlib stream of stored (uncompressed) blocks: larger files, no codec needed.
    std::string zlibStored(const std::string& raw)
    {
        std::string out("\x78\x01", 2);
        size_t pos = 0;
        do
        {
            const size_t len = std::min<size_t>(65535, raw.size() - pos);
            const bool last = pos + len == raw.size();
            out += static_cast<char>(last ? 1 : 0);
            out += static_cast<char>(len & 0xFF);
            out += static_cast<char>(len >> 8);
            out += static_cast<char>(~len & 0xFF);
            out += static_cast<char>((~len >> 8) & 0xFF);
            out.append(raw, pos, len);
            pos += len;
        } while (pos < raw.size());
        std::uint32_t a = 1, b = 0;
        for (unsigned char byte : raw)
        {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        putBig32(out, (b << 16) | a);
        return out;
    }
}

std::string Gui::encodePng(int width, int height, const std::string& rgb)
{
    std::string png("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    putBig32(header, static_cast<std::uint32_t>(width));
    putBig32(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace
    chunk(png, "IHDR", header);
    std::string raw;
    const size_t stride = static_cast<size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
    {
        raw += '\0';  // filter: none
        raw.append(rgb, static_cast<size_t>(y) * stride, stride);
    }
    chunk(png, "IDAT", zlibStored(raw));
    chunk(png, "IEND", std::string());
    return png;
}

bool Gui::saveScreenshot(HWND h, const std::string& pngPath)
{
    ::SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpPending();

    RECT rect{};
    ::GetWindowRect(h, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = dib != nullptr;
    if (ok)
    {
        HGDIOBJ previous = ::SelectObject(memory, dib);
        ok = ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
        ::GdiFlush();
        ::SelectObject(memory, previous);
    }
    std::string rgb;
    if (ok)
    {
        const auto* pixel = static_cast<const unsigned char*>(bits);
        rgb.reserve(static_cast<size_t>(width) * height * 3);
        for (int i = 0; i < width * height; ++i, pixel += 4)
        {
            rgb += static_cast<char>(pixel[2]);
            rgb += static_cast<char>(pixel[1]);
            rgb += static_cast<char>(pixel[0]);
        }
    }
    if (dib != nullptr)
        ::DeleteObject(dib);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (!ok)
        return false;

    std::ofstream file(pngPath, std::ios::binary);
    file << encodePng(width, height, rgb);
    return static_cast<bool>(file);
}
