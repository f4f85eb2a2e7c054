#pragma once
#include <windows.h>
#include <string>

namespace Gui
{
    // Captures the window as it is on screen (frame included) into a PNG
    // file. The window is brought to the top and repainted first. Returns
    // false when the capture or the file write fails.
    bool saveScreenshot(HWND h, const std::string& pngPath);
    // Encodes 24-bit RGB rows (top row first) as a PNG file image.
    std::string encodePng(int width, int height, const std::string& rgb);
}
