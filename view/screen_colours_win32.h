// The colours the screen draws with: the palette (view/palette.h) that the
// reader's theme, the apps' mode Windows is set to and the system's
// high-contrast mode choose; and drawing surfaces for screen device contexts
// that carry it. Whether high contrast is on and which mode Windows is set
// to come through queries a test can replace (wine always reports high
// contrast off).
#pragma once

#include <windows.h>

#include "view/drawing_surface.h"

// True when the system's high-contrast mode is on.
using HighContrastQuery = bool (*)();
// True when Windows asks apps for their light mode (its Personalize value
// AppsUseLightTheme; light when it is missing).
using AppModeQuery = bool (*)();

// Replace a query; null puts the system's own back.
void SetHighContrastQuery(HighContrastQuery query);
void SetAppModeQuery(AppModeQuery query);

// Asks the queries and chooses the palette for the reader's `theme`, reading
// the system's colours in high contrast. True when what the screen draws
// with changed. At start and after the theme, the system's colours or its
// settings change.
bool RefreshScreenColours(Theme theme);

// The palette the screen draws with, and whether it is the dark one.
const Palette& ScreenPalette();
bool ScreenIsDark();

// A surface over a device context of the screen: it draws in the screen's
// palette.
DrawingSurface ScreenSurface(HDC dc);

// WM_ERASEBKGND: in a palette of solid colours, clears the client area in
// its page colour and returns true; otherwise false, and the class's white
// brush does.
bool EraseInScreenColours(HWND window, HDC dc);
