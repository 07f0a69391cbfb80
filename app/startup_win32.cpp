// Start-up of the reader, up to a shown main window.
#include "app/startup_win32.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/main_window_win32.h"
#include "app/scroll_input.h"
#include "app/settings.h"
#include "app/settings_win32.h"
#include "app/single_instance_win32.h"
#include "lessons/lesson_key.h"
#include "resource_ids.h"

namespace {

void RegisterMainWindowClass() {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = g_app.instance;
    windowClass.hIcon = LoadIconW(g_app.instance, MAKEINTRESOURCEW(IDI_APP));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDM_MAIN_MENU);
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassW(&windowClass);
}

HWND CreateMainWindow() {
    DWORD style = WS_OVERLAPPED | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    DWORD extendedStyle = WS_EX_WINDOWEDGE;
    switch (ScrollBarSideForFlags(g_app.Flags)) {
    case ScrollBarSide::Left:
        style |= WS_VSCROLL;
        extendedStyle |= WS_EX_LEFTSCROLLBAR;
        break;
    case ScrollBarSide::Right: style |= WS_VSCROLL; break;
    case ScrollBarSide::None: break;
    }
    return CreateWindowExW(extendedStyle, kMainWindowClass, kMainWindowTitle, style, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           g_app.instance, nullptr);
}

}  // namespace

HWND InitInstance(int showCommand) {
    if (!ClaimSingleInstance()) return nullptr;
    // The toolbar, the date picker of Go to Date and the list of Find All.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    LoadSettings();
    SetCurrentDay(0, false);
    RegisterMainWindowClass();
    HWND window = CreateMainWindow();
    if (window == nullptr) return nullptr;
    RestoreWindowPlacement(window, showCommand);
    UpdateWindow(window);
    return window;
}
