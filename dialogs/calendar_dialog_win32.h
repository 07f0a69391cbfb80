// The "Hebrew Calendar" dialog: a drawn Hebrew month to pick a day from.
#pragma once

#include <windows.h>

#include "calendar/hebrew_calendar.h"

// Runs the calendar, owned by `owner`, on the month of `start` (0: today)
// with that day marked. Returns the day picked, or 0 when the dialog was
// closed without a pick (Enter, Esc, the close box) or could not be shown.
AbsoluteDay PickDayFromCalendar(HWND owner, AbsoluteDay start);
