// The About box and its link: an owner-drawn button that shows the
// publisher's address in underlined bold blue, sized to its text, with the
// hand cursor over it.
#include "dialogs/about_box_win32.h"

#include "app/publisher.h"
#include "dialogs/update_check_win32.h"
#include "resource_ids.h"

namespace {

constexpr int kLinkTextUnits = 100;
constexpr LONG kLinkWeight = 800;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// One box at a time: the link font it made and the link button's own
// procedure.
struct AboutBoxState {
    HFONT linkFont;
    WNDPROC buttonProc;
};

AboutBoxState g_aboutBox;

LRESULT CALLBACK LinkButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return CallWindowProcW(g_aboutBox.buttonProc, button, message, wParam, lParam);
}

// A bold underlined copy of the font `font`, or null.
HFONT CreateLinkFont(HFONT font) {
    LOGFONTW logFont{};
    if (font == nullptr || GetObjectW(font, sizeof logFont, &logFont) == 0) return nullptr;
    logFont.lfUnderline = TRUE;
    logFont.lfWeight = kLinkWeight;
    return CreateFontIndirectW(&logFont);
}

// The link takes the link font and the size of its text in it. Without that
// font it keeps the dialog's font and the template's size.
void PrepareLink(HWND dialog) {
    HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    g_aboutBox.buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkButtonProc)));
    g_aboutBox.linkFont = CreateLinkFont(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)));
    if (g_aboutBox.linkFont == nullptr) return;
    SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(g_aboutBox.linkFont), TRUE);
    wchar_t text[kLinkTextUnits];
    const int length = GetWindowTextW(link, text, kLinkTextUnits);
    HDC dc = GetDC(link);
    HGDIOBJ previous = SelectObject(dc, g_aboutBox.linkFont);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, length, &extent);
    SelectObject(dc, previous);
    ReleaseDC(link, dc);
    SetWindowPos(link, nullptr, 0, 0, extent.cx + 2 * GetSystemMetrics(SM_CXEDGE),
                 extent.cy + 2 * GetSystemMetrics(SM_CYEDGE), SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOMOVE);
}

// The same look whether pressed or focused, and no focus rectangle.
void DrawLink(const DRAWITEMSTRUCT* item) {
    wchar_t text[kLinkTextUnits];
    const int length = GetWindowTextW(item->hwndItem, text, kLinkTextUnits);
    SetTextColor(item->hDC, kLinkColour);
    SetBkMode(item->hDC, TRANSPARENT);
    ExtTextOutW(item->hDC, 0, GetSystemMetrics(SM_CYEDGE), ETO_CLIPPED, &item->rcItem, text,
                static_cast<UINT>(length), nullptr);
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: PrepareLink(dialog); return FALSE;
    case WM_DRAWITEM: DrawLink(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        // The box stays open while the browser comes up.
        case IDC_ABOUT_LINK: OpenUrl(GetDlgItem(dialog, IDC_ABOUT_LINK), L"" VARIDEL_PUBLISHER_ADDRESS); return FALSE;
        }
        return FALSE;
    // However the box closes, the link font goes with it.
    case WM_DESTROY:
        if (g_aboutBox.linkFont != nullptr) DeleteObject(g_aboutBox.linkFont);
        g_aboutBox.linkFont = nullptr;
        return TRUE;
    }
    return FALSE;
}
