// The calendar dialog's procedure. The dialog has no controls: it draws
// everything itself into a device context it keeps while it is open, at
// once after every change as well as when painted.
#include "dialogs/calendar_dialog_win32.h"

#include "dialogs/calendar_paint.h"
#include "dialogs/calendar_view.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"
#include "view/gdi_surface_win32.h"
#include "view/paint.h"
#include "view/screen_colours_win32.h"

namespace {

static_assert(kKeyPageUp == VK_PRIOR && kKeyPageDown == VK_NEXT && kKeyEnd == VK_END &&
                  kKeyHome == VK_HOME && kKeyLeft == VK_LEFT && kKeyUp == VK_UP &&
                  kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN,
              "the calendar's keys are numbered as the window system numbers them");

CalendarView* ViewOf(HWND dialog) {
    return reinterpret_cast<CalendarView*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// A font of the system's default face, `height` pixels at 96 pixels per
// inch sized for the dialog's resolution. The GDI surface's fonts are HFONTs.
SurfaceFont* CreateCalendarFont(int32_t height, int32_t weight, int32_t dpi) {
    LOGFONTW logFont{};
    logFont.lfHeight = ScaleToDpi(height, dpi);
    logFont.lfWeight = weight;
    return reinterpret_cast<SurfaceFont*>(CreateFontIndirectW(&logFont));
}

void DeleteCalendarFont(SurfaceFont** font) {
    if (*font != nullptr) DeleteObject(reinterpret_cast<HFONT>(*font));
    *font = nullptr;
}

void OnInitDialog(HWND dialog, CalendarView* view) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(view));
    // The dialog manager made this font from the template and deletes it.
    view->labelFont = reinterpret_cast<SurfaceFont*>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    DrawingSurface surface = ScreenSurface(GetDC(dialog));
    surface.dpi = WindowDpi(dialog);
    view->font = CreateCalendarFont(kCalendarFontHeight, kCalendarFontWeight, surface.dpi);
    view->civilFont = CreateCalendarFont(kCalendarCivilFontHeight, kCalendarCivilFontWeight, surface.dpi);
    RECT client{};
    GetClientRect(dialog, &client);
    AttachCalendarSurface(view, surface, {client.left, client.top, client.right, client.bottom});
}

void OnEraseBackground(HWND dialog, HDC dc) {
    RECT client{};
    GetClientRect(dialog, &client);
    DrawingSurface surface = ScreenSurface(dc);
    FillFrame(&surface, {client.left, client.top, client.right - client.left, client.bottom - client.top},
              kDialogFaceBrush, ColourRole::Face);
    ViewOf(dialog)->redraw |= kRedrawAll;
}

// BeginPaint erases first when the background needs it, so the drawing
// comes after the erase, never before.
void OnPaint(HWND dialog) {
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    DrawCalendar(ViewOf(dialog));
    EndPaint(dialog, &paint);
}

// The dialog's context and font go with it; the view stays its caller's.
void OnDestroy(HWND dialog) {
    CalendarView* view = ViewOf(dialog);
    ReleaseDC(dialog, GdiSurfaceDc(&view->surface));
    view->surface = DrawingSurface{};
    DeleteCalendarFont(&view->font);
    DeleteCalendarFont(&view->civilFont);
}

}  // namespace

INT_PTR CALLBACK CalendarDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // Messages before WM_INITDIALOG find no view.
    if (message != WM_INITDIALOG && ViewOf(dialog) == nullptr) return FALSE;
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog, reinterpret_cast<CalendarView*>(lParam)); return FALSE;
    case WM_ERASEBKGND: OnEraseBackground(dialog, reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_PAINT: OnPaint(dialog); return TRUE;
    // Keys move the view only with Alt held, so they arrive as system keys.
    case WM_SYSKEYDOWN: NavigateCalendarByKey(ViewOf(dialog), static_cast<unsigned>(wParam)); return FALSE;
    case WM_COMMAND:
        // Enter, Esc and the close box.
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
        ViewOf(dialog)->result = 0;
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_LBUTTONDOWN:
        if (ClickCalendar(ViewOf(dialog), LOWORD(lParam), HIWORD(lParam))) EndDialog(dialog, 1);
        return FALSE;
    case WM_DESTROY: OnDestroy(dialog); return FALSE;
    }
    return FALSE;
}
