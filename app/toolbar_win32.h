// The main window's toolbar.
#pragma once

#include <windows.h>

// The six buttons across the top of `window`: previous day, today, next
// day, font, search, search again, with images for g_app.dpi. Null when it
// cannot be made.
HWND CreateMainToolbar(HWND window);
