// The main window's paint: the area under the toolbar, the pane's text and
// the grey date caption strip along the bottom.
#include <cstring>

#include "app/app_state.h"
#include "view/gdi_surface_win32.h"
#include "view/paint.h"
#include "view/pane_win32.h"

namespace {

constexpr int kCaptionFontHeight = 14;  // cell height in logical units, at any resolution

}  // namespace

void PaintWindow(HDC dc, HWND window, uint32_t flags) {
    PAINTSTRUCT paint{};
    HDC target = dc != nullptr ? dc : BeginPaint(window, &paint);
    if (flags & kPaintErase) {
        RECT client{};
        GetClientRect(window, &client);
        if (g_app.toolbar != nullptr) client.top += ToolbarHeight() - 1;
        FillFrame(target, client.left, client.top, client.right - client.left, client.bottom - client.top,
                  WHITE_BRUSH);
    }
    // The text goes onto the pane's own context, not the one of this paint.
    if (flags & kPaintText) PaintText(g_app.pane, (flags & kPaintErase) != 0);
    const Rect32& strip = g_app.captionStrip;
    FillFrame(target, strip.left, strip.top, strip.width, strip.height, LTGRAY_BRUSH);
    SetBkMode(target, TRANSPARENT);
    DrawCaption(target);
    if (dc == nullptr) EndPaint(window, &paint);
}

void DrawCaption(HDC dc) {
    HGDIOBJ previous = SelectObject(dc, g_app.captionFont);
    const Rect32& strip = g_app.captionStrip;
    DrawTextRun(dc, g_app.caption, g_app.captionLength, strip.left + 1, strip.top + 1, strip.width - 2,
                strip.height - 2);
    SelectObject(dc, previous);
}

void CreateCaptionFont() {
    if (g_app.captionFont != nullptr) DeleteObject(g_app.captionFont);
    LOGFONTW logFont{};
    logFont.lfHeight = kCaptionFontHeight;
    logFont.lfWeight = FW_NORMAL;
    static_assert(sizeof g_app.font.FontName == sizeof logFont.lfFaceName, "face names differ in size");
    memcpy(logFont.lfFaceName, g_app.font.FontName, sizeof logFont.lfFaceName);
    logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    g_app.captionFont = CreateFontIndirectW(&logFont);
}
