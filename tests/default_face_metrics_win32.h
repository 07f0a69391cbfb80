// Metrics of the face this machine maps the reader's default font to, which
// the Windows-side and end-to-end tests take their sizes from.
#pragma once

#include <windows.h>

#include <cstdint>

// At the logical height and weight given, on `dc` (the screen when none).
inline TEXTMETRICW DefaultFaceMetrics(int32_t height, int weight = FW_NORMAL, HDC dc = nullptr) {
    HDC screen = dc == nullptr ? GetDC(nullptr) : nullptr;
    HDC target = dc != nullptr ? dc : screen;
    LOGFONTW logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ previous = SelectObject(target, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(target, &metrics);
    SelectObject(target, previous);
    DeleteObject(font);
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return metrics;
}
