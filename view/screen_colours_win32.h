// The colours the screen draws with: the fixed ones, or the system's while
// its high-contrast mode is on (whether it is comes through a query a test
// can replace: wine always reports it off); and drawing surfaces for screen
// device contexts that carry them.
#pragma once

#include <windows.h>

#include "view/drawing_surface.h"

// True when the system's high-contrast mode is on.
using HighContrastQuery = bool (*)();

// Replaces the query; null puts the system's own back.
void SetHighContrastQuery(HighContrastQuery query);

// Asks the query and, with high contrast on, reads the system's colours. True
// when what the screen draws with changed. At start and after the system's
// colours or settings change.
bool RefreshScreenColours();

// A surface over a device context of the screen: it draws in the screen's
// colours.
DrawingSurface ScreenSurface(HDC dc);

// WM_ERASEBKGND: with high contrast on, clears the client area in the window
// colour and returns true; otherwise false, and the class's white brush does.
bool EraseInScreenColours(HWND window, HDC dc);
