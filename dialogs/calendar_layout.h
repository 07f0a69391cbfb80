// Where things lie in the calendar dialog's client area, computed once when
// the dialog opens, and which of them a click lands on.
#pragma once

#include <cstdint>

#include "dialogs/calendar_state.h"
#include "view/text_view.h"

// The layout for a client rectangle, the cell height of the calendar's font
// and the dialog's pixels per inch, which scales the gaps around the header
// (every division truncates). LayOutCalendar takes the resolution of the
// view's surface and fills in the month buttons' rectangles too.
CalendarLayout ComputeCalendarLayout(const EdgeRect& client, int32_t fontHeight, int32_t dpi);
void LayOutCalendar(CalendarView* view, const EdgeRect& client, int32_t fontHeight);

// The month buttons' labels and rectangles (all zero before the layout),
// with Adar's cell whole for a common year and split into "Adar I" and "II"
// for a leap year.
void SetMonthButtons(CalendarView* view, bool leap);

// What a click at x, y does: month buttons first (bounds inclusive, so on a
// shared edge the lower month wins), then the header's arrows (only inside
// the header band), then the day cells (only inside the week rows in use).
enum class CalendarHit { Nothing, Month, YearBack, YearForward, Day };
struct CalendarTarget {
    CalendarHit hit;
    int32_t value;  // the month, or the day
};
CalendarTarget HitTestCalendar(const CalendarView* view, int32_t x, int32_t y);
