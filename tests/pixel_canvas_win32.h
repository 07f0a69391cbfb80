// A bitmap whose pixels the tests read straight from memory: 32 bits each,
// 0x00RRGGBB, the top row first.
#pragma once

#include <windows.h>

// A `width` × `height` canvas compatible with `dc` (null: the screen); its
// pixels through `bits`. Null when it cannot be made.
inline HBITMAP PixelCanvas(HDC dc, int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}
