// The palette the screen draws with.
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

bool SystemAppsUseLightTheme() {
    DWORD light = 1;
    DWORD size = sizeof light;
    const LSTATUS read = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                                      L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
    return read != ERROR_SUCCESS || light != 0;
}

HighContrastQuery g_highContrast = SystemHighContrast;
AppModeQuery g_appMode = SystemAppsUseLightTheme;
Palette g_palette = kLightPalette;
PaletteKind g_kind = PaletteKind::Light;

Palette ReadSystemPalette() {
    return SystemPalette({GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHT),
                          GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)});
}

bool SamePalette(const Palette& a, const Palette& b) {
    if (a.stockObjects != b.stockObjects) return false;
    for (int i = 0; i < kColourRoles; ++i) {
        if (a.colours[i] != b.colours[i]) return false;
    }
    return true;
}

}  // namespace

void SetHighContrastQuery(HighContrastQuery query) {
    g_highContrast = query != nullptr ? query : SystemHighContrast;
}

void SetAppModeQuery(AppModeQuery query) { g_appMode = query != nullptr ? query : SystemAppsUseLightTheme; }

bool RefreshScreenColours(Theme theme) {
    const PaletteKind kind = ChoosePalette(theme, g_appMode(), g_highContrast());
    const Palette palette = kind == PaletteKind::System ? ReadSystemPalette()
                            : kind == PaletteKind::Dark ? kDarkPalette
                                                        : kLightPalette;
    const bool changed = kind != g_kind || !SamePalette(palette, g_palette);
    g_kind = kind;
    g_palette = palette;
    return changed;
}

const Palette& ScreenPalette() { return g_palette; }

bool ScreenIsDark() { return g_kind == PaletteKind::Dark; }

DrawingSurface ScreenSurface(HDC dc) {
    DrawingSurface surface = GdiSurface(dc);
    surface.palette = &g_palette;
    return surface;
}

bool EraseInScreenColours(HWND window, HDC dc) {
    if (g_palette.stockObjects) return false;
    RECT client{};
    GetClientRect(window, &client);
    DrawingSurface surface = ScreenSurface(dc);
    FillFrame(&surface, {0, 0, client.right, client.bottom}, kWhiteBrush, ColourRole::Page);
    return true;
}
