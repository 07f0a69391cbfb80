// The main window: its class, its title and its window procedure.
#pragma once

#include <windows.h>

// A second start finds the running copy by both.
extern const wchar_t kMainWindowClass[];
extern const wchar_t kMainWindowTitle[];

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
