// Start-up: the single-instance hand-over, the settings, the day to show,
// the window class and the main window.
#pragma once

#include <windows.h>

// Hands over to a running copy (null: the program is to end with exit code
// 0) or creates the main window, restores its placement and shows it.
HWND InitInstance(int showCommand);
