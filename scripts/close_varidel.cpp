// Closes a running Varidel the way its window's close box does (used by
// scripts/screenshot.sh after taking the picture).
#include <windows.h>

int main() {
    HWND window = FindWindowW(L"Varidel-English", L"Varidel");
    if (window == nullptr) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
}
