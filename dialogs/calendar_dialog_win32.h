// The "Hebrew Calendar" dialog (IDD_CALENDAR): a drawn Hebrew month to pick
// a day from.
#pragma once

#include <windows.h>

// The procedure of IDD_CALENDAR. Its creation parameter is the CalendarView
// (dialogs/calendar_view.h) it shows, set on the month to open on with its
// day marked (SetCalendarView); the caller keeps it while the dialog runs.
// The dialog ends with 1 when a day was picked, its absolute day then the
// view's result; Enter, Esc and the close box end it with their command id
// and a result of 0.
INT_PTR CALLBACK CalendarDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
