// The calendar dialog's procedure. The dialog has no controls: it draws
// everything itself into a device context it keeps while it is open, at
// once after every change as well as when painted.
#include "dialogs/calendar_dialog_win32.h"

#include "app/high_contrast_win32.h"
#include "app/modal_win32.h"
#include "dialogs/calendar_paint.h"
#include "dialogs/calendar_view.h"
#include "resource_ids.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"
#include "view/gdi_surface_win32.h"

namespace {

static_assert(kKeyPageUp == VK_PRIOR && kKeyPageDown == VK_NEXT && kKeyEnd == VK_END &&
                  kKeyHome == VK_HOME && kKeyLeft == VK_LEFT && kKeyUp == VK_UP &&
                  kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN,
              "the calendar's keys are numbered as the window system numbers them");

// The dialog is modal, so one view serves every opening.
CalendarView g_calendar;

// The calendar's own font, sized for the dialog's resolution; the face is
// the system's default.
HFONT CreateCalendarFont(int32_t dpi) {
    LOGFONTW logFont{};
    logFont.lfHeight = ScaleToDpi(kCalendarFontHeight, dpi);
    logFont.lfWeight = kCalendarFontWeight;
    return CreateFontIndirectW(&logFont);
}

void OnInitDialog(HWND dialog) {
    // The dialog manager made this font from the template and deletes it.
    g_calendar.labelFont = reinterpret_cast<SurfaceFont*>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    DrawingSurface surface = ScreenSurface(GetDC(dialog));
    surface.dpi = WindowDpi(dialog);
    // The GDI surface's fonts are HFONTs.
    g_calendar.font = reinterpret_cast<SurfaceFont*>(CreateCalendarFont(surface.dpi));
    RECT client{};
    GetClientRect(dialog, &client);
    AttachCalendarSurface(&g_calendar, surface, {client.left, client.top, client.right, client.bottom});
}

void OnEraseBackground(HWND dialog, HDC dc) {
    RECT client{};
    GetClientRect(dialog, &client);
    FillFrame(dc, client.left, client.top, client.right - client.left, client.bottom - client.top,
              kDialogFaceBrush);
    g_calendar.redraw |= kRedrawAll;
}

// BeginPaint erases first when the background needs it, so the drawing
// comes after the erase, never before.
void OnPaint(HWND dialog) {
    PAINTSTRUCT paint;
    BeginPaint(dialog, &paint);
    DrawCalendar(&g_calendar);
    EndPaint(dialog, &paint);
}

void OnDestroy(HWND dialog) {
    ReleaseDC(dialog, GdiSurfaceDc(&g_calendar.surface));
    g_calendar.surface = DrawingSurface{};
}

INT_PTR CALLBACK CalendarDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog); return FALSE;
    case WM_ERASEBKGND: OnEraseBackground(dialog, reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_PAINT: OnPaint(dialog); return TRUE;
    // Keys move the view only with Alt held, so they arrive as system keys.
    case WM_SYSKEYDOWN: NavigateCalendarByKey(&g_calendar, static_cast<unsigned>(wParam)); return FALSE;
    case WM_COMMAND:
        // Enter, Esc and the close box.
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
        g_calendar.result = 0;
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    case WM_LBUTTONDOWN:
        if (ClickCalendar(&g_calendar, LOWORD(lParam), HIWORD(lParam))) EndDialog(dialog, 1);
        return FALSE;
    case WM_DESTROY: OnDestroy(dialog); return FALSE;
    }
    return FALSE;
}

}  // namespace

AbsoluteDay PickDayFromCalendar(HWND owner, AbsoluteDay start) {
    g_calendar = CalendarView{};
    SetCalendarView(&g_calendar, start, true);
    const INT_PTR ended = RunDialog(owner, IDD_CALENDAR, CalendarDialogProc, 0);
    // The font outlives the dialog's last drawing.
    if (g_calendar.font != nullptr) DeleteObject(reinterpret_cast<HFONT>(g_calendar.font));
    return ended <= 0 ? 0 : g_calendar.result;
}
