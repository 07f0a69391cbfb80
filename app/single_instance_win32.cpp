// One copy of the reader per session.
#include "app/single_instance_win32.h"

#include "app/main_window_win32.h"
#include "resource_ids.h"

namespace {

// Long enough for a copy started in the same instant to create and show its
// window on a busy machine; short enough that a copy that found nothing to
// hand over to does not linger unseen.
constexpr DWORD kFirstCopyWaitMs = 5000;
constexpr DWORD kPollMs = 50;

// A copy in front is moved to today; a copy behind another program is
// brought to the front on its day; a copy whose dialog is in front is left
// alone.
void HandOver(HWND running) {
    HWND foreground = GetForegroundWindow();
    HWND topmost = foreground;
    while (topmost != nullptr) {
        HWND parent = GetParent(topmost);
        if (parent == nullptr) break;
        topmost = parent;
    }
    if (running == foreground) SendMessageW(running, WM_COMMAND, CMD_TODAY, 0);
    if (running != topmost) SetForegroundWindow(running);
}

// False when no copy shows its window, or when the window went away during
// the hand-over: that copy was closing, and this one is to take its place.
bool HandedOverToRunningCopy() {
    HWND running = FindWindowW(kMainWindowClass, kMainWindowTitle);
    if (running == nullptr || !IsWindowVisible(running)) return false;
    HandOver(running);
    return IsWindow(running) != FALSE;
}

}  // namespace

bool ClaimSingleInstance() {
    // Owned from here to the end of the process, which releases it; the
    // handle is deliberately never closed.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, kInstanceMutexName);
    // Without a mutex (another kind of object took the name) the window
    // alone tells whether a copy runs.
    if (mutex == nullptr) return !HandedOverToRunningCopy();
    if (GetLastError() != ERROR_ALREADY_EXISTS) return true;

    const DWORD start = GetTickCount();
    do {
        const DWORD wait = WaitForSingleObject(mutex, kPollMs);
        // Abandoned is how an ended copy leaves it; it is ours either way.
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return true;
        if (HandedOverToRunningCopy()) return false;
    } while (GetTickCount() - start < kFirstCopyWaitMs);
    return false;
}
