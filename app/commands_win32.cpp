// The main window's commands.
#include "app/commands_win32.h"

#include "app/app_state.h"
#include "app/day_navigation_win32.h"
#include "app/modal_win32.h"
#include "app/reading_pane_win32.h"
#include "app/search_commands_win32.h"
#include "app/theme_win32.h"
#include "dialogs/about_box_win32.h"
#include "dialogs/calendar_dialog_win32.h"
#include "dialogs/calendar_view.h"
#include "dialogs/font_chooser.h"
#include "dialogs/font_chooser_win32.h"
#include "dialogs/go_to_date_win32.h"
#include "dialogs/update_check_win32.h"
#include "export/clipboard_win32.h"
#include "export/print_job_win32.h"
#include "resource_ids.h"

namespace {

// After the font chooser's OK the caption and the pane take the new font.
void ChooseReadingFont(HWND window) {
    if (RunDialog(window, IDD_FONT, FontDialogProc, reinterpret_cast<LPARAM>(&g_app.font)) == 1) {
        ApplyReadingFont(window);
    }
}

// A civil date picked goes as a day picked in the calendar does.
void OpenGoToDate(HWND window) {
    AbsoluteDay day = g_app.Day;
    if (RunDialog(window, IDD_GOTO_DATE, GoToDateDialogProc, reinterpret_cast<LPARAM>(&day)) != IDOK) return;
    if (day != g_app.Day) GoToDay(window, day);
}

}  // namespace

void OpenCalendar(HWND window) {
    CalendarView calendar{};
    SetCalendarView(&calendar, g_app.Day, true);
    if (RunDialog(window, IDD_CALENDAR, CalendarDialogProc, reinterpret_cast<LPARAM>(&calendar)) <= 0) return;
    if (calendar.result != 0 && calendar.result != g_app.Day) GoToDay(window, calendar.result);
}

void ZoomByStep(HWND window, int step) {
    const int32_t size = g_app.font.FontSize;
    ZoomReadingFont(window, ZoomedFontSize(size, step, size != 0 ? 0 : DefaultReadingPoints()));
}

// F1 in any window of the program asks the main window for the About box,
// F1 in the box itself too and in a dialog that the box leaves enabled
// behind it: the box already open is the answer.
void ShowAboutBox(HWND window) {
    static bool open = false;
    if (open) return;
    open = true;
    RunDialog(window, IDD_ABOUT, AboutDialogProc, 0);
    open = false;
}

int DispatchCommand(HWND window, unsigned command) {
    switch (command) {
    case CMD_CALENDAR: OpenCalendar(window); break;
    case CMD_GOTO_DATE: OpenGoToDate(window); break;
    case CMD_TODAY: GoToDay(window, 0); break;
    case CMD_NEXT_DAY: GoToNeighbourDay(window, 1); break;
    case CMD_PREVIOUS_DAY: GoToNeighbourDay(window, -1); break;
    case CMD_SEARCH: OpenSearch(window); break;
    case CMD_SEARCH_AGAIN: FindNext(window); break;
    case CMD_CHECK_UPDATES: CheckForUpdates(window); break;
    case CMD_ABOUT: ShowAboutBox(window); break;
    case CMD_EXIT: DestroyWindow(window); break;
    case CMD_FONT: ChooseReadingFont(window); break;
    case CMD_COPY: CopyLessonToClipboard(window, g_app.pane, false); break;
    case CMD_PRINT: PrintLesson(window, &g_app.pane); break;
    case CMD_APPEND: CopyLessonToClipboard(window, g_app.pane, true); break;
    case CMD_THEME_FOLLOW: ChooseTheme(window, Theme::FollowWindows); break;
    case CMD_THEME_LIGHT: ChooseTheme(window, Theme::Light); break;
    case CMD_THEME_DARK: ChooseTheme(window, Theme::Dark); break;
    case CMD_ZOOM_IN: ZoomByStep(window, 1); break;
    case CMD_ZOOM_OUT: ZoomByStep(window, -1); break;
    case CMD_ZOOM_RESET: ZoomReadingFont(window, 0); break;
    default: return 1;
    }
    return 0;
}
