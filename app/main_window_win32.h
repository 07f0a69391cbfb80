// The main window: creation and its window procedure.
#pragma once

#include <windows.h>

extern const wchar_t kMainWindowClass[];
extern const wchar_t kMainWindowTitle[];

// Hands over to a running copy or creates and shows the main window;
// returns null when the program is to end.
HWND InitInstance(int showCommand);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
