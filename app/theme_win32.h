// The reader's theme on screen: the palette chosen for it (and for the
// apps' mode Windows is set to, and high contrast), the title bar to match,
// the toolbar's band drawn in it, and the View menu's choice.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "view/palette.h"

// Chooses the palette for g_app.theme and, when it changed (or `always`),
// gives the title bar its mode and paints the window again. At start before
// the window is first shown, with `always`; after the system's colours or
// settings change, without.
void ApplyTheme(HWND window, bool always);

// A choice from the View menu: kept in g_app.theme and applied.
void ChooseTheme(HWND window, Theme theme);

// WM_INITMENUPOPUP: the View menu's radio item of the theme in force.
void ShowThemeChoice(HMENU menu);

// The toolbar's custom draw: in a palette of solid colours its band is
// painted in the strip's colour; otherwise it draws as it always has.
LRESULT DrawToolbarBand(const NMTBCUSTOMDRAW* draw);
