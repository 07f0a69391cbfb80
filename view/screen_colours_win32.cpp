// The system's high-contrast mode and the colours the screen draws with.
#include "view/screen_colours_win32.h"

#include "view/gdi_surface_win32.h"
#include "view/paint.h"

namespace {

bool SystemHighContrast() {
    HIGHCONTRASTW state{};
    state.cbSize = sizeof state;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) &&
           (state.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HighContrastQuery g_query = SystemHighContrast;
ColourScheme g_colours;

ColourScheme ReadScheme() {
    ColourScheme scheme{};
    scheme.system = g_query();
    if (!scheme.system) return scheme;
    scheme.window = GetSysColor(COLOR_WINDOW);
    scheme.windowText = GetSysColor(COLOR_WINDOWTEXT);
    scheme.highlight = GetSysColor(COLOR_HIGHLIGHT);
    scheme.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    scheme.buttonFace = GetSysColor(COLOR_BTNFACE);
    scheme.buttonText = GetSysColor(COLOR_BTNTEXT);
    return scheme;
}

bool SameScheme(const ColourScheme& a, const ColourScheme& b) {
    return a.system == b.system && a.window == b.window && a.windowText == b.windowText &&
           a.highlight == b.highlight && a.highlightText == b.highlightText && a.buttonFace == b.buttonFace &&
           a.buttonText == b.buttonText;
}

}  // namespace

void SetHighContrastQuery(HighContrastQuery query) { g_query = query != nullptr ? query : SystemHighContrast; }

bool RefreshScreenColours() {
    const ColourScheme scheme = ReadScheme();
    if (SameScheme(scheme, g_colours)) return false;
    g_colours = scheme;
    return true;
}

DrawingSurface ScreenSurface(HDC dc) {
    DrawingSurface surface = GdiSurface(dc);
    surface.colours = &g_colours;
    return surface;
}

bool EraseInScreenColours(HWND window, HDC dc) {
    if (!g_colours.system) return false;
    RECT client{};
    GetClientRect(window, &client);
    DrawingSurface surface = ScreenSurface(dc);
    FillFrame(&surface, {0, 0, client.right, client.bottom}, kWhiteBrush, ColourRole::Page);
    return true;
}
