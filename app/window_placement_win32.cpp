// The main window's placement between runs, over the window system.
#include "app/settings_win32.h"
#include "app/window_placement.h"
#include "platform/settings_store.h"

void SaveWindowPlacement(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    RECT rect{};
    if (!GetWindowPlacement(window, &placement) || !GetWindowRect(window, &rect)) return;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT& normal = placement.rcNormalPosition;
    const PlacementSnapshot snapshot{
        static_cast<int32_t>(placement.showCmd),
        {rect.left, rect.top, rect.right, rect.bottom},
        {normal.left, normal.top, normal.right, normal.bottom},
        GetSystemMetrics(SM_CXFRAME),
        GetSystemMetrics(SM_CYFRAME),
        work.left,
        work.top};
    const StoredPlacement stored = PlacementToStore(snapshot);
    WriteRegistryInt(u"Top", stored.top);
    WriteRegistryInt(u"Left", stored.left);
    WriteRegistryInt(u"Width", stored.width);
    WriteRegistryInt(u"Height", stored.height);
    WriteRegistryInt(u"showCmd", stored.showCmd);
}

void RestoreWindowPlacement(HWND window, int showCommand) {
    StoredPlacement stored{};
    stored.top = ReadRegistryInt(u"Top", 0);
    stored.left = ReadRegistryInt(u"Left", 0);
    stored.width = ReadRegistryInt(u"Width", 0);
    stored.height = ReadRegistryInt(u"Height", 0);
    stored.showCmd = ReadRegistryInt(u"showCmd", kNoStoredShowCmd);
    const RestorePlan plan = PlanRestore(stored, showCommand);
    const RECT rect{plan.left, plan.top, plan.left + plan.width, plan.top + plan.height};
    // A rectangle on a monitor that is gone leaves the window where the
    // system put it; one saved on a larger screen is fitted to this one.
    HMONITOR monitor = plan.move ? MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) : nullptr;
    MONITORINFO monitorInfo{};
    monitorInfo.cbSize = sizeof(monitorInfo);
    if (monitor != nullptr && GetMonitorInfoW(monitor, &monitorInfo)) {
        const RECT& work = monitorInfo.rcWork;
        const EdgeRect fitted = FitInWorkArea({rect.left, rect.top, rect.right, rect.bottom},
                                              {work.left, work.top, work.right, work.bottom});
        MoveWindow(window, fitted.left, fitted.top, fitted.right - fitted.left,
                   fitted.bottom - fitted.top, TRUE);
    }
    ShowWindow(window, plan.showCmd);
}
