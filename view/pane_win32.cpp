// The reading pane in the main window: the view on the window's own device
// context, fitted to the client area below the toolbar and above the caption
// strip, and the scroll bar that follows it.
#include "view/pane_win32.h"

#include <cstdlib>

#include "app/app_state.h"
#include "lessons/lesson_loader.h"
#include "view/gdi_surface_win32.h"

namespace {

constexpr int kPaneLineCapacity = 100;

// The surface over the window's device context; the pane view draws through
// it from WM_CREATE to WM_DESTROY.
DrawingSurface g_paneSurface;

Rect32 ToRect(const ViewFrame& f) { return {f.left, f.top, f.width, f.height}; }

// Measures the caption font and places the caption strip; returns the frame.
ViewFrame PlaceCaptionStrip(HWND window, HDC dc) {
    HGDIOBJ previous = SelectObject(dc, g_app.captionFont);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT client{};
    GetClientRect(window, &client);
    const PaneGeometry geometry = ComputePaneGeometry(client.right, client.bottom, ToolbarHeight(),
                                                      metrics.tmHeight, g_app.SurroundingGutter);
    g_app.captionStrip = ToRect(geometry.captionStrip);
    int32_t extent = geometry.captionStrip.width;
    int32_t count = g_app.captionLength;
    MeasureFit(dc, g_app.caption, &extent, &count);
    g_app.captionLength = count;
    SelectObject(dc, previous);
    return geometry.frame;
}

}  // namespace

int ToolbarHeight() {
    RECT box{};
    if (g_app.toolbar == nullptr || !GetWindowRect(g_app.toolbar, &box)) return 0;
    return box.bottom - box.top;
}

int OpenReadingPane(HWND window) {
    HDC dc = GetDC(window);
    g_paneSurface = GdiSurface(dc);
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
        MessageBoxW(window, L"Resource not found", L"Error", MB_ICONWARNING);
        return 1;
    }
    if (LayoutText(g_app.pane, text, false) != kLayoutDone) {
        free(text);
        return 1;
    }
    g_app.pane->topLine = g_app.LastPosition;
    UpdateScrollBar(window);
    return 0;
}

void OnPaneResize(HWND window, LPARAM clientSize) {
    const int32_t width = LOWORD(clientSize);
    const int32_t height = HIWORD(clientSize);
    const int32_t toolbarHeight = ToolbarHeight();
    const PaneGeometry geometry = ComputePaneGeometry(width, height, toolbarHeight,
                                                      g_app.captionStrip.height - 2,
                                                      g_app.SurroundingGutter);
    // The strip follows the window even when there is no pane view.
    g_app.captionStrip.top = geometry.captionStrip.top;
    g_app.captionStrip.width = geometry.captionStrip.width;
    if (g_app.pane == nullptr) return;
    if (g_app.toolbar != nullptr) MoveWindow(g_app.toolbar, 0, 0, geometry.frame.width, toolbarHeight, TRUE);
    ResizeTextView(g_app.pane, geometry.frame.width, geometry.frame.height);
    UpdateScrollBar(window);
}

void UpdateScrollBar(HWND window) {
    if (!(g_app.Flags & (kFlagScrollBar | kFlagScrollBarLeft)) || g_app.pane == nullptr) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = g_app.pane->lastTopLine;
    info.nPos = g_app.pane->topLine;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void RefreshWindow(HWND window, uint32_t flags) {
    if (window == nullptr) window = g_app.mainWindow;
    HDC dc = GetDC(window);
    PaintWindow(dc, window, flags);
    ReleaseDC(window, dc);
    UpdateScrollBar(window);
}

int PageOnClick(HWND window, TextView* view, int x, int y, int repaintMode) {
    if (!PageViewOnClick(view, x, y, repaintMode, g_app.Flags, g_app.SurroundingGutter)) return 0;
    UpdateScrollBar(window);
    return 1;
}

void ReleasePaneContext(HWND window) {
    if (g_app.pane != nullptr && g_app.pane->dc != nullptr) ReleaseDC(window, GdiSurfaceDc(g_app.pane->dc));
}
