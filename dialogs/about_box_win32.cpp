// The About box and its link: an owner-drawn button that shows the
// publisher's address in underlined bold blue (the palette's link colour),
// sized to its text, with the hand cursor over it. In a palette of solid
// colours the box takes its face and ink.
#include "dialogs/about_box_win32.h"

#include <new>

#include "dialogs/update_check_win32.h"
#include "resource_ids.h"
#include "resources/publisher.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"
#include "view/screen_colours_win32.h"

namespace {

constexpr int kLinkTextUnits = 100;
constexpr LONG kLinkWeight = 800;

// The picture as drawn for each scale (view/display_scale.h): 100, 150 and
// 200 percent.
constexpr int kPictureIds[kDrawnScales] = {IDB_ABOUT, IDB_ABOUT_150, IDB_ABOUT_200};

// The box's own record, made when it opens and released with its window:
// the link font it made, the link button's own procedure and, in a palette
// of solid colours, the brush of its face.
struct AboutBoxState {
    HFONT linkFont;
    WNDPROC buttonProc;
    HBRUSH face;
};

AboutBoxState* StateOf(HWND dialog) {
    return reinterpret_cast<AboutBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The button is subclassed only once its box has a record, and it is gone
// before the record is.
LRESULT CALLBACK LinkButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return CallWindowProcW(StateOf(GetParent(button))->buttonProc, button, message, wParam, lParam);
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
void PrepareLink(HWND dialog, AboutBoxState* state) {
    HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    state->buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkButtonProc)));
    state->linkFont = CreateLinkFont(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)));
    if (state->linkFont == nullptr) return;
    SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(state->linkFont), TRUE);
    wchar_t text[kLinkTextUnits];
    const int length = GetWindowTextW(link, text, kLinkTextUnits);
    HDC dc = GetDC(link);
    HGDIOBJ previous = SelectObject(dc, state->linkFont);
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
// place of the template's. The control hands back the picture it showed,
// which is then the box's to delete.
void ScalePicture(HWND dialog) {
    const int scale = NearestDrawnScale(WindowDpi(dialog));
    HWND picture = PictureControl(dialog);
    if (scale == 0 || picture == nullptr) return;
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE));
    HBITMAP scaled = static_cast<HBITMAP>(
        LoadImageW(module, MAKEINTRESOURCEW(kPictureIds[scale]), IMAGE_BITMAP, 0, 0, 0));
    if (scaled == nullptr) return;
    const LRESULT previous = SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled));
    if (previous != 0) DeleteObject(reinterpret_cast<HBITMAP>(previous));
}

// The box opens with a record of its own; without one it closes at once.
void OpenAboutBox(HWND dialog) {
    AboutBoxState* state = new (std::nothrow) AboutBoxState{};
    if (state == nullptr) {
        EndDialog(dialog, -1);
        return;
    }
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    const Palette& palette = ScreenPalette();
    if (!palette.stockObjects) state->face = CreateSolidBrush(palette[ColourRole::Face]);
    PrepareLink(dialog, state);
    ScalePicture(dialog);
}

// Whichever picture the control shows, the one it loaded from the template
// itself or the scaled one, is taken out while the control is still there
// and deleted: no static control is relied on to delete a picture when it
// is destroyed (wine's delete none).
void ReleasePicture(HWND dialog) {
    HWND picture = PictureControl(dialog);
    if (picture == nullptr) return;
    const LRESULT shown = SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, 0);
    if (shown != 0) DeleteObject(reinterpret_cast<HBITMAP>(shown));
}

// Last of all, once the link button is gone: its font and the record.
void ReleaseAboutBox(HWND dialog) {
    AboutBoxState* state = StateOf(dialog);
    if (state == nullptr) return;
    if (state->linkFont != nullptr) DeleteObject(state->linkFont);
    if (state->face != nullptr) DeleteObject(state->face);
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    delete state;
}

// The same look whether pressed or focused, and no focus rectangle. The
// context goes back to the button as it came.
void DrawLink(const DRAWITEMSTRUCT* item) {
    wchar_t text[kLinkTextUnits];
    const int length = GetWindowTextW(item->hwndItem, text, kLinkTextUnits);
    const COLORREF colour = SetTextColor(item->hDC, ScreenPalette()[ColourRole::Link]);
    const int mode = SetBkMode(item->hDC, TRANSPARENT);
    const int edge = SystemMetricForDpi(SM_CYEDGE, WindowDpi(item->hwndItem));
    ExtTextOutW(item->hDC, 0, edge, ETO_CLIPPED, &item->rcItem, text, static_cast<UINT>(length), nullptr);
    SetBkMode(item->hDC, mode);
    SetTextColor(item->hDC, colour);
}

// WM_CTLCOLOR*: the box, its texts, its picture and its link on the face of
// a palette of solid colours; otherwise the system's look.
INT_PTR ColourControl(HWND dialog, HDC dc) {
    const AboutBoxState* state = StateOf(dialog);
    if (state == nullptr || state->face == nullptr) return FALSE;
    const Palette& palette = ScreenPalette();
    SetTextColor(dc, palette[ColourRole::Ink]);
    SetBkColor(dc, palette[ColourRole::Face]);
    return reinterpret_cast<INT_PTR>(state->face);
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OpenAboutBox(dialog); return FALSE;
    case WM_DRAWITEM: DrawLink(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return ColourControl(dialog, reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
        // The box stays open while the browser comes up.
        case IDC_ABOUT_LINK: OpenUrl(GetDlgItem(dialog, IDC_ABOUT_LINK), L"" VARIDEL_PUBLISHER_ADDRESS); return FALSE;
        }
        return FALSE;
    // While the controls are still there.
    case WM_DESTROY: ReleasePicture(dialog); return FALSE;
    // Unanswered, so that the dialog manager still releases what it made.
    case WM_NCDESTROY: ReleaseAboutBox(dialog); return FALSE;
    }
    return FALSE;
}
