// The theme on screen.
#include "app/theme_win32.h"

#include "app/app_state.h"
#include "platform/system_library_win32.h"
#include "resource_ids.h"
#include "view/screen_colours_win32.h"

namespace {

// The window attribute that asks for a dark title bar, and its number on
// Windows 10 before its 20H1 update.
constexpr DWORD kImmersiveDarkMode = 20;
constexpr DWORD kImmersiveDarkModeBefore20H1 = 19;

using SetWindowAttributeCall = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

SetWindowAttributeCall SetWindowAttribute() {
    static const SetWindowAttributeCall call = [] {
        SetWindowAttributeCall found = nullptr;
        FindSystemFunction(LoadSystemLibrary(L"dwmapi.dll"), "DwmSetWindowAttribute", &found);
        return found;
    }();
    return call;
}

// The title bar dark with the dark palette, light otherwise.
void SetTitleBarMode(HWND window) {
    const SetWindowAttributeCall set = SetWindowAttribute();
    if (set == nullptr) return;
    const BOOL dark = ScreenIsDark() ? TRUE : FALSE;
    if (FAILED(set(window, kImmersiveDarkMode, &dark, sizeof dark))) {
        set(window, kImmersiveDarkModeBefore20H1, &dark, sizeof dark);
    }
}

const UINT kThemeCommands[] = {CMD_THEME_FOLLOW, CMD_THEME_LIGHT, CMD_THEME_DARK};

}  // namespace

void ApplyTheme(HWND window, bool always) {
    if (!RefreshScreenColours(g_app.theme) && !always) return;
    SetTitleBarMode(window);
    InvalidateRect(window, nullptr, TRUE);
    if (g_app.toolbar != nullptr) InvalidateRect(g_app.toolbar, nullptr, TRUE);
}

void ChooseTheme(HWND window, Theme theme) {
    g_app.theme = theme;
    ApplyTheme(window, false);
}

void ShowThemeChoice(HMENU menu) {
    CheckMenuRadioItem(menu, CMD_THEME_FOLLOW, CMD_THEME_DARK, kThemeCommands[static_cast<int>(g_app.theme)],
                       MF_BYCOMMAND);
}

LRESULT DrawToolbarBand(const NMTBCUSTOMDRAW* draw) {
    const Palette& palette = ScreenPalette();
    if (palette.stockObjects || draw->nmcd.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
    HBRUSH band = CreateSolidBrush(palette[ColourRole::Strip]);
    FillRect(draw->nmcd.hdc, &draw->nmcd.rc, band);
    DeleteObject(band);
    return CDRF_DODEFAULT;
}
