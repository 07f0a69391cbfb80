// The main window's procedure: the toolbar and the reading pane come and go
// with the window; keys, the scroll bar, the wheel and clicks scroll the
// pane; commands go to DispatchCommand.
#include "app/main_window_win32.h"

#include "app/app_state.h"
#include "app/commands_win32.h"
#include "app/day_follower_win32.h"
#include "app/day_navigation_win32.h"
#include "app/pane_automation_win32.h"
#include "app/reading_pane_win32.h"
#include "app/scroll_input.h"
#include "app/search_commands_win32.h"
#include "app/settings.h"
#include "app/settings_win32.h"
#include "app/theme_win32.h"
#include "app/toolbar_win32.h"
#include "view/display_scale_win32.h"
#include "view/screen_colours_win32.h"

const wchar_t kMainWindowClass[] = L"Varidel-English";
const wchar_t kMainWindowTitle[] = L"Varidel";

static_assert(kScrollLineUp == SB_LINEUP && kScrollThumbTrack == SB_THUMBTRACK &&
                  kScrollBottom == SB_BOTTOM,
              "scroll-bar codes are numbered as the window system numbers them");

namespace {

ScrollPosition PanePosition() {
    return {g_app.pane->topLine, g_app.pane->lastTopLine, g_app.pane->linesDrawn};
}

// Scrolls the pane (when there is one) and moves the scroll bar with it.
void ScrollPane(HWND window, int32_t lines) {
    if (g_app.pane == nullptr) return;
    ScrollBy(g_app.pane, lines, kRepaintIfMoved, true);
    UpdateScrollBar(window);
}

void OnCreate(HWND window) {
    g_app.mainWindow = window;
    g_app.dpi = WindowDpi(window);
    // Before the window is first shown: the title bar already in its mode.
    ApplyTheme(window, true);
    g_app.toolbar = CreateMainToolbar(window);
    OpenReadingPane(window);
    StartFollowingToday(window);
}

void OnDestroy(HWND window) {
    StopFollowingToday(window);
    ClosePaneAccessibility(window);
    CloseReadingPane(window);
    DestroyWindow(g_app.toolbar);
    g_app.toolbar = nullptr;
    SaveWindowPlacement(window);
    SaveSettingsAndQuit();
}

// The window moved to a screen of another resolution (wParam): it takes the
// rectangle the system suggests (lParam), the toolbar is made again with
// images for the new resolution and the pane rescaled, keeping the line at
// its top.
void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    const uint32_t topOffset = TopTextOffset(g_app.pane);
    g_app.dpi = HIWORD(wParam);
    DestroyWindow(g_app.toolbar);
    g_app.toolbar = CreateMainToolbar(window);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    RescaleReadingPane(window, topOffset);
}

// High contrast turned on or off, the system's colours changed while it is
// on, or Windows was set to another mode for apps: everything is painted
// again in the colours now in force.
void OnColoursChanged(HWND window) { ApplyTheme(window, false); }

// Ctrl with the wheel zooms; without, it scrolls.
void OnMouseWheel(HWND window, WPARAM wParam) {
    const int16_t delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
        if (delta != 0) ZoomByStep(window, delta > 0 ? 1 : -1);
        return;
    }
    ScrollPane(window, WheelLines(delta));
}

LRESULT OnNotify(const NMHDR* header) {
    if (header->hwndFrom == g_app.toolbar && header->code == NM_CUSTOMDRAW) {
        return DrawToolbarBand(reinterpret_cast<const NMTBCUSTOMDRAW*>(header));
    }
    return 0;
}

// After a log-off or shut-down the process ends without WM_DESTROY: what the
// reader chose is written now, as at exit.
void OnEndSession(HWND window, WPARAM ending) {
    if (!ending) return;
    SaveWindowPlacement(window);
    SaveSettings();
}

// The keys the main window serves; every other key does nothing and is not
// passed on. F1 still opens the About box: taking its key-down from the queue
// posts WM_KEYF1, which the default procedure turns into WM_HELP.
LRESULT OnKeyDown(HWND window, WPARAM key) {
    const auto scroll = [&](ScrollKey scrollKey) {
        if (g_app.pane == nullptr) return;
        ScrollPane(window, KeyScrollLines(scrollKey, g_app.Flags, PanePosition()));
    };
    switch (key) {
    case VK_RETURN:
        if (g_app.SearchString[0] != '\0') FindNext(window);
        return 0;
    case VK_PRIOR: scroll(ScrollKey::PageUp); return 0;
    case VK_NEXT: scroll(ScrollKey::PageDown); return 0;
    case VK_END: scroll(ScrollKey::End); return 0;
    case VK_HOME: scroll(ScrollKey::Home); return 0;
    case VK_UP: scroll(ScrollKey::Up); return 0;
    case VK_DOWN: scroll(ScrollKey::Down); return 0;
    case VK_LEFT: GoToNeighbourDay(window, -1); return 0;
    case VK_RIGHT: GoToNeighbourDay(window, 1); return 0;
    }
    return 1;
}

// Odd but kept on purpose: the pane moves first, the default procedure then
// sees the request as well, and the bar is set only when the pane moved, so
// a request that changes nothing (a drag past the end) costs no redraw of
// the bar. The answer is 1, as the reader has always answered; nothing
// reads it.
LRESULT OnVerticalScroll(HWND window, WPARAM wParam, LPARAM lParam) {
    const int32_t lines = g_app.pane == nullptr
                              ? 0
                              : ScrollBarLines(LOWORD(wParam), static_cast<int16_t>(HIWORD(wParam)),
                                               PanePosition());
    if (lines != 0) ScrollBy(g_app.pane, lines, kRepaintIfMoved, true);
    DefWindowProcW(window, WM_VSCROLL, wParam, lParam);
    if (lines != 0) UpdateScrollBar(window);
    return 1;
}

// A click in the text pages it; a click on the date strip opens the calendar.
void OnLeftButtonDown(HWND window, LPARAM lParam) {
    if (g_app.pane == nullptr) return;
    const int x = LOWORD(lParam);
    const int y = HIWORD(lParam);
    if (PageOnClick(window, g_app.pane, x, y, kRepaintIfMoved)) return;
    if (InCaptionStrip(y)) OpenCalendar(window);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    // WM_DESTROY follows the Exit command, the close box and Alt+F4.
    case WM_DESTROY: OnDestroy(window); return 0;
    case WM_ENDSESSION: OnEndSession(window, wParam); return 0;
    case WM_SIZE: OnPaneResize(window, lParam); return 0;
    case WM_DPICHANGED: OnDpiChanged(window, wParam, lParam); return 0;
    // Every paint bit but the erase: the class's white brush has already
    // cleared what needs painting.
    case WM_PAINT: PaintWindow(reinterpret_cast<HDC>(wParam), window, kPaintAllButErase); return 0;
    case WM_HELP: ShowAboutBox(window); return 0;
    case WM_KEYDOWN: return OnKeyDown(window, wParam);
    case WM_COMMAND:
        if (DispatchCommand(window, LOWORD(wParam)) == 0) return 0;
        break;
    case WM_VSCROLL: return OnVerticalScroll(window, wParam, lParam);
    case WM_LBUTTONDOWN: OnLeftButtonDown(window, lParam); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(window, wParam); return 0;
    case WM_NOTIFY: return OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_INITMENUPOPUP: ShowThemeChoice(reinterpret_cast<HMENU>(wParam)); break;
    case WM_GETOBJECT: return AnswerGetObject(window, wParam, lParam);
    case WM_ERASEBKGND:
        if (EraseInScreenColours(window, reinterpret_cast<HDC>(wParam))) return 1;
        break;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: OnColoursChanged(window); break;
    // The moments the day may have turned while the window stayed open.
    case WM_TIMER:
        if (wParam == kMidnightTimer) CatchUpWithToday(window);
        return 0;
    case WM_TIMECHANGE: CatchUpWithToday(window); return 0;
    case WM_POWERBROADCAST:
        if (IsWakeUp(wParam)) CatchUpWithToday(window);
        return TRUE;
    case WM_WTSSESSION_CHANGE:
        if (IsUnlock(wParam)) CatchUpWithToday(window);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) CatchUpWithToday(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
