// The main window: today's date caption in a grey strip along the bottom.
#include "app/main_window_win32.h"

#include "app/app_state.h"
#include "lessons/lesson_key.h"
#include "resource_ids.h"

const wchar_t kMainWindowClass[] = L"Varidel-English";
const wchar_t kMainWindowTitle[] = L"Varidel";

namespace {

constexpr int kCaptionFontHeight = 14;

HFONT CreateCaptionFont() {
    LOGFONTW logFont{};
    logFont.lfHeight = kCaptionFontHeight;
    logFont.lfWeight = FW_NORMAL;
    if (g_app.font.FontName[0] != 0) {
        lstrcpynW(logFont.lfFaceName, reinterpret_cast<const wchar_t*>(g_app.font.FontName),
                  LF_FACESIZE);
    }
    return CreateFontIndirectW(&logFont);
}

void PaintCaptionStrip(HDC dc, const RECT& client) {
    HFONT previous = static_cast<HFONT>(SelectObject(dc, g_app.captionFont));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT strip = client;
    strip.top = client.bottom - (metrics.tmHeight + 2);
    FillRect(dc, &strip, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    wchar_t caption[kCaptionFieldSize];
    for (int i = 0; i < g_app.captionLength; ++i) caption[i] = static_cast<unsigned char>(g_app.caption[i]);
    DrawTextW(dc, caption, g_app.captionLength, &strip, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

void OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    PaintCaptionStrip(dc, client);
    EndPaint(window, &paint);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        g_app.mainWindow = window;
        g_app.captionFont = CreateCaptionFont();
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    case WM_DESTROY:
        DeleteObject(g_app.captionFont);
        g_app.captionFont = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND InitInstance(int showCommand) {
    if (HWND running = FindWindowW(kMainWindowClass, kMainWindowTitle)) {
        SetForegroundWindow(running);
        return nullptr;
    }
    SetCurrentDay(0, false);

    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = g_app.instance;
    windowClass.hIcon = LoadIconW(g_app.instance, MAKEINTRESOURCEW(IDI_APP));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kMainWindowClass;
    RegisterClassW(&windowClass);

    HWND window = CreateWindowExW(WS_EX_WINDOWEDGE, kMainWindowClass, kMainWindowTitle,
                                  WS_OVERLAPPEDWINDOW | WS_VSCROLL, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, g_app.instance,
                                  nullptr);
    if (window == nullptr) return nullptr;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return window;
}
