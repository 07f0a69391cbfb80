// Where things lie in the calendar dialog's client area, computed once when
// the dialog opens, and which of them a click lands on.
#pragma once

#include <cstdint>

#include "view/text_view.h"

struct CalendarView;

// Pixel geometry of the dialog's client area. Cells are an eighth of the
// width, so half a cell of margin remains each side of the seven columns;
// grid row 0 holds the weekday letters and rows 1 to 6 the weeks.
struct CalendarLayout {
    int32_t gridTop;
    int32_t cellHeight;
    int32_t cellWidth;
    int32_t gridWidth;     // 7 cells and the closing border line
    int32_t gridLeft;
    int32_t headerTop;
    int32_t headerHeight;
    int32_t monthTop;      // the 3 x 4 block of month buttons
    int32_t monthWidth;
    int32_t monthHeight;
    int32_t monthLeft;
    int32_t adarSplit;     // x where "Adar I" ends and "II" begins
};

// A month button; neighbours share their edges. A button without a label
// ends the table.
struct MonthButton {
    int32_t top, left, bottom, right;
    const char* label;
};

// The month buttons: entry m - 1 is month m; entry 13 always ends the table,
// and entry 12 ends it too in a common year.
constexpr int kMonthButtonEntries = 14;

// Where the year box and its arrows stand: fixed at the first drawing of
// the header, so the arrows keep their places while the year's width varies.
struct CalendarHeader {
    int32_t leftArrowX;
    int32_t rightArrowX;
    int32_t arrowWidth;  // 0 until the header was drawn
};

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

// Does what the click at x, y does. True when it picked a day, which ends
// the dialog.
bool ClickCalendar(CalendarView* view, int32_t x, int32_t y);
