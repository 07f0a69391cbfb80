// The reading pane in the main window.
#include "app/reading_pane_win32.h"

#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "app/modal_win32.h"
#include "calendar/civil_date_win32.h"
#include "lessons/lesson_loader.h"
#include "platform/wide_text_win32.h"
#include "view/display_scale.h"
#include "view/gdi_surface_win32.h"
#include "view/paint.h"
#include "view/screen_colours_win32.h"
#include "view/view_fonts.h"

namespace {

constexpr int kPaneLineCapacity = 100;
constexpr int kCaptionFontHeight = 14;  // cell height in pixels at 96 pixels per inch
// The civil date's room at 96 pixels per inch: in from the strip's right
// end, and at least between it and the caption.
constexpr int kCivilDateMargin = 4;
constexpr int kCivilDateGap = 24;
constexpr int kCivilDateUnits = 80;  // the longest long date with room to spare

// The surface over the window's device context; the pane view draws through
// it from WM_CREATE to WM_DESTROY.
DrawingSurface g_paneSurface;

PaneMovedListener g_paneMoved = nullptr;

Rect32 ToRect(const ViewFrame& f) { return {f.left, f.top, f.width, f.height}; }

// The stored gutter at the window's resolution.
int32_t PaneGutter() { return ScaleToDpi(g_app.SurroundingGutter, g_app.dpi); }

// Selects the caption font, when there is one, and returns what to select
// back (null: nothing).
HGDIOBJ SelectCaptionFont(HDC dc) {
    return g_app.captionFont != nullptr ? SelectObject(dc, g_app.captionFont) : nullptr;
}

void RestoreObject(HDC dc, HGDIOBJ previous) {
    if (previous != nullptr) SelectObject(dc, previous);
}

// The caption's length becomes the number of its bytes that fit the strip,
// with the caption font selected into `dc`. Measured from the whole caption
// each time, so a strip that grows shows more of it again.
void FitCaption(HDC dc) {
    int32_t extent = g_app.captionStrip.width;
    int32_t count = static_cast<int32_t>(strlen(g_app.caption));
    MeasureFit(dc, g_app.caption, &extent, &count);
    g_app.captionLength = count;
}

// Measures the caption font, places the caption strip and fits the caption
// to it; returns the frame.
ViewFrame PlaceCaptionStrip(HWND window, HDC dc) {
    HGDIOBJ previous = SelectCaptionFont(dc);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT client{};
    GetClientRect(window, &client);
    const PaneGeometry geometry = ComputePaneGeometry(client.right, client.bottom, ToolbarHeight(),
                                                      metrics.tmHeight, PaneGutter());
    g_app.captionStrip = ToRect(geometry.captionStrip);
    FitCaption(dc);
    RestoreObject(dc, previous);
    return geometry.frame;
}

// The caption centred in the strip, fitted to the strip as it is now (the
// window's width or the day may have changed since the last time).
void DrawCaption(HDC dc) {
    const Rect32& strip = g_app.captionStrip;
    HGDIOBJ previous = SelectCaptionFont(dc);
    FitCaption(dc);
    DrawTextRun(dc, g_app.caption, g_app.captionLength, strip.left + 1, strip.top + 1, strip.width - 2,
                strip.height - 2);
    RestoreObject(dc, previous);
}

// The civil date at the strip's right end, in the caption font, when it
// leaves a clear gap to the caption.
void DrawCivilDate(HDC dc) {
    const std::u16string civil = ShownCivilDateText();
    if (civil.empty()) return;
    const int length = static_cast<int>(civil.size());
    const Rect32& strip = g_app.captionStrip;
    HGDIOBJ previous = SelectCaptionFont(dc);
    SIZE civilSize{};
    GetTextExtentPoint32W(dc, Wide(civil.c_str()), length, &civilSize);
    int32_t captionWidth = strip.width;
    int32_t count = g_app.captionLength;
    MeasureFit(dc, g_app.caption, &captionWidth, &count);
    const int32_t left = CivilDateLeft({strip.left, strip.top, strip.width, strip.height}, captionWidth, civilSize.cx,
                                       ScaleToDpi(kCivilDateMargin, g_app.dpi), ScaleToDpi(kCivilDateGap, g_app.dpi));
    if (left >= 0) {
        RECT box{left, strip.top + 1, left + civilSize.cx, strip.top + strip.height - 1};
        DrawTextW(dc, Wide(civil.c_str()), length, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    RestoreObject(dc, previous);
}

bool PaneHasScrollBar() {
    return (g_app.Flags & (kFlagScrollBar | kFlagScrollBarLeft)) && g_app.pane != nullptr;
}

// True when the pane's range would show a hidden scroll bar (the pane needs
// scrolling) or hide a shown one (the text fits).
bool ScrollBarComesOrGoes(HWND window) {
    if (!PaneHasScrollBar()) return false;
    const bool shown = (GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL) != 0;
    return shown != (g_app.pane->lastTopLine > 0);
}

// The strip in its palette's colour (light: grey), then the caption and the
// civil date drawn over it transparently in the strip's ink.
void PaintCaptionStrip(HDC dc) {
    const Rect32& strip = g_app.captionStrip;
    DrawingSurface surface = ScreenSurface(dc);
    FillFrame(&surface, {strip.left, strip.top, strip.width, strip.height}, kLightGreyBrush, ColourRole::Strip);
    SetBkMode(dc, TRANSPARENT);
    const COLORREF ink = SetTextColor(dc, RoleColour(&surface, ColourRole::StripInk));
    DrawCaption(dc);
    DrawCivilDate(dc);
    SetTextColor(dc, ink);
}

}  // namespace

std::u16string ShownCivilDateText() {
    wchar_t civil[kCivilDateUnits];
    const int length = FormatCivilDate(g_app.Day, nullptr, civil, kCivilDateUnits);
    return std::u16string(reinterpret_cast<const char16_t*>(civil), static_cast<size_t>(length));
}

int ToolbarHeight() {
    RECT box{};
    if (g_app.toolbar == nullptr || !GetWindowRect(g_app.toolbar, &box)) return 0;
    return box.bottom - box.top;
}

int OpenReadingPane(HWND window) {
    HDC dc = GetDC(window);
    g_paneSurface = ScreenSurface(dc);
    g_paneSurface.dpi = g_app.dpi;
    CreateCaptionFont();
    const ViewFrame frame = PlaceCaptionStrip(window, dc);
    const EdgeRect rect{frame.left, frame.top, frame.left + frame.width, frame.top + frame.height};
    g_app.pane = CreateTextView(&g_paneSurface, &rect, &g_app.font, kPaneLineCapacity);
    if (g_app.pane == nullptr) {
        // Without a view the pane stays empty, and the context goes back now.
        ReleaseDC(window, dc);
        return 1;
    }
    char* text = LoadLessonText(g_app.Lesson, nullptr);
    if (text == nullptr) {
        ShowMessage(window, L"Resource not found", L"Error", MB_ICONWARNING);
        return 1;
    }
    if (LayoutText(g_app.pane, text, false) != kLayoutDone) {
        free(text);
        return 1;
    }
    g_app.shownLesson = g_app.Lesson;
    g_app.pane->topLine = g_app.LastPosition;
    UpdateScrollBar(window);
    return 0;
}

void OnPaneResize(HWND window, LPARAM clientSize) {
    const int32_t width = LOWORD(clientSize);
    const int32_t height = HIWORD(clientSize);
    const int32_t toolbarHeight = ToolbarHeight();
    const PaneGeometry geometry = ComputePaneGeometry(width, height, toolbarHeight,
                                                      g_app.captionStrip.height - 2, PaneGutter());
    // The strip follows the window even when there is no pane view.
    g_app.captionStrip.top = geometry.captionStrip.top;
    g_app.captionStrip.width = geometry.captionStrip.width;
    if (g_app.pane == nullptr) return;
    if (g_app.toolbar != nullptr) MoveWindow(g_app.toolbar, 0, 0, geometry.frame.width, toolbarHeight, TRUE);
    ResizeTextView(g_app.pane, geometry.frame.width, geometry.frame.height);
    UpdateScrollBar(window);
}

void SetPaneMovedListener(PaneMovedListener listener) { g_paneMoved = listener; }

void UpdateScrollBar(HWND window) {
    if (g_paneMoved != nullptr) g_paneMoved();
    if (!PaneHasScrollBar()) return;
    const uint16_t last = g_app.pane->lastTopLine;
    const uint16_t top = g_app.pane->topLine;
    // Setting the bar redraws it, which can cost more than painting the
    // pane: a bar that shows this range and position already is left alone.
    // (It shows a position past the range at the range's end.)
    SCROLLINFO shown{};
    shown.cbSize = sizeof shown;
    shown.fMask = SIF_RANGE | SIF_POS;
    if (GetScrollInfo(window, SB_VERT, &shown) && shown.nMin == 0 && shown.nMax == last &&
        shown.nPos == (top < last ? top : last)) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = last;
    info.nPos = top;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void RefreshWindow(HWND window, uint32_t flags) {
    if (window == nullptr) window = g_app.mainWindow;
    if (ScrollBarComesOrGoes(window)) {
        // The bar's coming or going resizes the client area, which lays the
        // text out again, and the whole window is painted after that: a
        // paint now would be painted over at once. The window is painted
        // before this returns, all the same.
        InvalidateRect(window, nullptr, TRUE);
        UpdateScrollBar(window);
        UpdateWindow(window);
        return;
    }
    HDC dc = GetDC(window);
    PaintWindow(dc, window, flags);
    ReleaseDC(window, dc);
    UpdateScrollBar(window);
}

int PageOnClick(HWND window, TextView* view, int x, int y, int repaintMode) {
    // A window too short for its text keeps the pane's last area, which may
    // reach over the strip: the strip's rows stay the calendar's.
    if (InCaptionStrip(y)) return 0;
    if (!PageViewOnClick(view, x, y, repaintMode, g_app.Flags, PaneGutter())) return 0;
    UpdateScrollBar(window);
    return 1;
}

bool InCaptionStrip(int y) {
    const Rect32& strip = g_app.captionStrip;
    return y >= strip.top && y <= strip.top + strip.height;
}

void PaintWindow(HDC dc, HWND window, uint32_t flags) {
    PAINTSTRUCT paint{};
    HDC target = dc != nullptr ? dc : BeginPaint(window, &paint);
    if (flags & kPaintErase) {
        RECT client{};
        GetClientRect(window, &client);
        if (g_app.toolbar != nullptr) client.top += ToolbarHeight() - 1;
        DrawingSurface surface = ScreenSurface(target);
        FillFrame(&surface, {client.left, client.top, client.right - client.left, client.bottom - client.top},
                  kWhiteBrush, ColourRole::Page);
    }
    // The text goes onto the pane's own context, not the one of this paint.
    if (flags & kPaintText) PaintText(g_app.pane, (flags & kPaintErase) != 0);
    PaintCaptionStrip(target);
    if (dc == nullptr) EndPaint(window, &paint);
}

void CreateCaptionFont() {
    LOGFONTW logFont{};
    logFont.lfHeight = ScaleToDpi(kCaptionFontHeight, g_app.dpi);
    logFont.lfWeight = FW_NORMAL;
    static_assert(sizeof g_app.font.FontName == sizeof logFont.lfFaceName, "face names differ in size");
    memcpy(logFont.lfFaceName, g_app.font.FontName, sizeof logFont.lfFaceName);
    logFont.lfFaceName[LF_FACESIZE - 1] = 0;
    HFONT font = CreateFontIndirectW(&logFont);
    // Without a new font the strip keeps the one it has (at first none: the
    // context's own).
    if (font == nullptr) return;
    if (g_app.captionFont != nullptr) DeleteObject(g_app.captionFont);
    g_app.captionFont = font;
}

void ShowTextOffsetAtTop(HWND window, uint32_t offset) {
    if (g_app.pane == nullptr) return;
    ScrollToTextOffset(g_app.pane, offset);
    RefreshWindow(window, kPaintEraseAndText);
    // A scroll bar that came or went with the refresh laid the text out
    // again for the new width, where the line may stand at another index.
    const uint16_t top = g_app.pane->topLine;
    ScrollToTextOffset(g_app.pane, offset);
    if (g_app.pane->topLine == top) return;
    PaintText(g_app.pane, true);
    UpdateScrollBar(window);
}

bool ZoomReadingFont(HWND window, int32_t size) {
    if (g_app.pane == nullptr || size == g_app.font.FontSize) return false;
    const uint32_t top = TopTextOffset(g_app.pane);
    g_app.font.FontSize = size;
    g_app.fontSizeReset = size == 0;
    SetViewFont(g_app.pane, &g_app.font);
    if (LayoutText(g_app.pane, g_app.pane->text, false) == kLayoutDone) ShowTextOffsetAtTop(window, top);
    return true;
}

int32_t DefaultReadingPoints() {
    if (g_app.pane == nullptr) return 0;
    FontSettings standard = g_app.font;
    standard.FontSize = 0;
    TextView* probe = CreateTextView(&g_paneSurface, nullptr, &standard, 0);
    if (probe == nullptr) return 0;
    SurfaceFont* previous = SelectStyleFont(probe, kRegularKey);
    const int32_t cell = g_paneSurface.ops->metrics(g_paneSurface.handle).height;
    RestoreFont(&g_paneSurface, previous);
    DestroyTextView(probe, true);
    return (cell * 72 + SurfaceFontDpi(&g_paneSurface) / 2) / SurfaceFontDpi(&g_paneSurface);
}

void ApplyReadingFont(HWND window) {
    CreateCaptionFont();
    HDC dc = GetDC(window);
    PaintCaptionStrip(dc);
    ReleaseDC(window, dc);
    if (g_app.pane == nullptr) return;
    SetViewFont(g_app.pane, &g_app.font);
    if (LayoutText(g_app.pane, g_app.pane->text, false) == kLayoutDone) PaintText(g_app.pane, true);
    // The text's length in lines changed with its font.
    UpdateScrollBar(window);
}

void RescaleReadingPane(HWND window, uint32_t topOffset) {
    CreateCaptionFont();
    HDC dc = GetDC(window);
    const ViewFrame frame = PlaceCaptionStrip(window, dc);
    ReleaseDC(window, dc);
    if (g_app.pane != nullptr) {
        g_paneSurface.dpi = g_app.dpi;
        SetViewFont(g_app.pane, &g_app.font);
        g_app.pane->frame = frame;
        if (LayoutText(g_app.pane, g_app.pane->text, false) == kLayoutDone) {
            ScrollToTextOffset(g_app.pane, topOffset);
        }
    }
    InvalidateRect(window, nullptr, TRUE);
    UpdateScrollBar(window);
}

void CloseReadingPane(HWND window) {
    if (g_app.pane != nullptr && g_app.pane->dc != nullptr) ReleaseDC(window, GdiSurfaceDc(g_app.pane->dc));
    if (g_app.captionFont != nullptr) DeleteObject(g_app.captionFont);
    g_app.captionFont = nullptr;
}
