// Window resolutions. The per-window calls exist from Windows 10 1607 on;
// they are looked up at run time so that the program still starts on older
// systems, which have one resolution for every window.
#include "view/display_scale_win32.h"

#include "platform/system_library_win32.h"

namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiCall = int(WINAPI*)(int, UINT);

// The entry point `name` of user32, or null.
template <typename Call>
Call User32Call(const char* name) {
    Call call = nullptr;
    FindSystemFunction(GetModuleHandleW(L"user32.dll"), name, &call);
    return call;
}

}  // namespace

int32_t WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Call<GetDpiForWindowCall>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) return static_cast<int32_t>(dpi);
    }
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    return dpi;
}

int SystemMetricForDpi(int index, int32_t dpi) {
    static const auto getSystemMetricsForDpi = User32Call<GetSystemMetricsForDpiCall>("GetSystemMetricsForDpi");
    if (getSystemMetricsForDpi != nullptr && dpi > 0) {
        return getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    }
    return GetSystemMetrics(index);
}
