// The main window's commands.
#include "app/commands_win32.h"

#include "app/app_state.h"
#include "app/command_targets_win32.h"
#include "app/day_navigation_win32.h"
#include "resource_ids.h"
#include "view/gdi_surface_win32.h"
#include "view/pane_win32.h"
#include "view/view_fonts.h"

namespace {

void RunDialog(HWND owner, int id, DLGPROC procedure, LPARAM parameter) {
    DialogBoxParamW(g_app.instance, MAKEINTRESOURCEW(id), owner, procedure, parameter);
}

// After the font chooser's OK: the caption in the new face, then the pane.
void ChooseReadingFont(HWND window) {
    if (DialogBoxParamW(g_app.instance, MAKEINTRESOURCEW(IDD_FONT), window, FontDialogProc,
                        reinterpret_cast<LPARAM>(&g_app.font)) != 1) {
        return;
    }
    HDC dc = GetDC(window);
    CreateCaptionFont();
    // The old caption goes first: the new one is drawn transparently.
    const Rect32& strip = g_app.captionStrip;
    FillFrame(dc, strip.left, strip.top, strip.width, strip.height, LTGRAY_BRUSH);
    SetBkMode(dc, TRANSPARENT);
    DrawCaption(dc);
    ReleaseDC(window, dc);
    SetViewFont(g_app.pane, &g_app.font);
}

}  // namespace

void OpenCalendar(HWND window) {
    const AbsoluteDay picked = PickDayFromCalendar(g_app.instance, window, g_app.Day);
    if (picked != 0 && picked != g_app.Day) GoToDay(window, picked);
}

void ShowAboutBox(HWND window) { RunDialog(window, IDD_ABOUT, AboutDialogProc, 0); }

int DispatchCommand(HWND window, unsigned command) {
    switch (command) {
    case CMD_CALENDAR: OpenCalendar(window); break;
    case CMD_TODAY: GoToDay(window, 0); break;
    case CMD_NEXT_DAY: GoToNeighbourDay(window, 1); break;
    case CMD_PREVIOUS_DAY: GoToNeighbourDay(window, -1); break;
    case CMD_SEARCH: RunDialog(window, IDD_SEARCH, SearchDialogProc, 0); break;
    case CMD_SEARCH_AGAIN: FindNext(window); break;
    case CMD_CHECK_UPDATES: CheckForUpdates(window); break;
    case CMD_ABOUT: ShowAboutBox(window); break;
    case CMD_EXIT: DestroyWindow(window); break;
    case CMD_FONT: ChooseReadingFont(window); break;
    case CMD_COPY: CopyLessonToClipboard(g_app.pane, false); break;
    case CMD_PRINT: PrintLesson(g_app.pane); break;
    case CMD_APPEND: CopyLessonToClipboard(g_app.pane, true); break;
    default: return 1;
    }
    return 0;
}
