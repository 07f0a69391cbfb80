// The About box and its link: an owner-drawn button that shows the
// publisher's address in underlined bold blue, sized to its text, with the
// hand cursor over it.
#include "dialogs/about_box_win32.h"

#include "dialogs/update_check_win32.h"
#include "resource_ids.h"
#include "resources/publisher.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"

namespace {

constexpr int kLinkTextUnits = 100;
constexpr LONG kLinkWeight = 800;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// The picture as drawn for each scale (view/display_scale.h): 100, 150 and
// 200 percent.
constexpr int kPictureIds[kDrawnScales] = {IDB_ABOUT, IDB_ABOUT_150, IDB_ABOUT_200};

// One box at a time: the link font it made, the link button's own procedure
// and the picture it loaded for its resolution (none at 100 percent, where
// the template's stands).
struct AboutBoxState {
    HFONT linkFont;
    WNDPROC buttonProc;
    HBITMAP picture;
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
    const int32_t dpi = WindowDpi(link);
    SetWindowPos(link, nullptr, 0, 0, extent.cx + 2 * SystemMetricForDpi(SM_CXEDGE, dpi),
                 extent.cy + 2 * SystemMetricForDpi(SM_CYEDGE, dpi), SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOMOVE);
}

// The template's picture control: the box's one bitmap static.
HWND PictureControl(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) return child;
    }
    return nullptr;
}

// Above 100 percent the picture drawn nearest the box's scale takes the
// place of the template's, which the box then deletes; the box deletes its
// own when it closes.
void ScalePicture(HWND dialog) {
    const int scale = NearestDrawnScale(WindowDpi(dialog));
    HWND picture = PictureControl(dialog);
    if (scale == 0 || picture == nullptr) return;
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    g_aboutBox.picture = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(kPictureIds[scale]), IMAGE_BITMAP, 0, 0, 0));
    if (g_aboutBox.picture == nullptr) return;
    const LRESULT previous =
        SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(g_aboutBox.picture));
    if (previous != 0) DeleteObject(reinterpret_cast<HBITMAP>(previous));
}

// However the box closes, the fonts and pictures it made go with it.
void ReleaseAboutBox(HWND dialog) {
    if (g_aboutBox.linkFont != nullptr) DeleteObject(g_aboutBox.linkFont);
    g_aboutBox.linkFont = nullptr;
    if (g_aboutBox.picture == nullptr) return;
    if (HWND picture = PictureControl(dialog)) SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, 0);
    DeleteObject(g_aboutBox.picture);
    g_aboutBox.picture = nullptr;
}

// The same look whether pressed or focused, and no focus rectangle.
void DrawLink(const DRAWITEMSTRUCT* item) {
    wchar_t text[kLinkTextUnits];
    const int length = GetWindowTextW(item->hwndItem, text, kLinkTextUnits);
    SetTextColor(item->hDC, kLinkColour);
    SetBkMode(item->hDC, TRANSPARENT);
    const int edge = SystemMetricForDpi(SM_CYEDGE, WindowDpi(item->hwndItem));
    ExtTextOutW(item->hDC, 0, edge, ETO_CLIPPED, &item->rcItem, text, static_cast<UINT>(length), nullptr);
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        PrepareLink(dialog);
        ScalePicture(dialog);
        return FALSE;
    case WM_DRAWITEM: DrawLink(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        // The box stays open while the browser comes up.
        case IDC_ABOUT_LINK: OpenUrl(GetDlgItem(dialog, IDC_ABOUT_LINK), L"" VARIDEL_PUBLISHER_ADDRESS); return FALSE;
        }
        return FALSE;
    case WM_DESTROY: ReleaseAboutBox(dialog); return TRUE;
    }
    return FALSE;
}
