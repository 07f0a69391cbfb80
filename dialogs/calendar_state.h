// The calendar dialog's state: the month on view and the marked day, where
// the parts of the dialog lie, and what is left to draw. The moves are in
// calendar_view.h, the layout and hit tests in calendar_layout.h, the
// drawing in calendar_paint.h.
#pragma once

#include <cstdint>

#include "calendar/hebrew_calendar.h"
#include "view/drawing_surface.h"
#include "view/text_view.h"

// The Hebrew years the view may show: the first and last whose days all lie
// inside the range the reader supports. A move that would leave them does
// nothing.
constexpr int32_t kFirstCalendarYear = 3762;
constexpr int32_t kLastCalendarYear = 13759;

// Redraw flags.
constexpr uint8_t kRedrawMonths = 1;      // the month buttons
constexpr uint8_t kRedrawGrid = 2;        // the day grid
constexpr uint8_t kRedrawHeader = 4;      // the year line with its arrows
constexpr uint8_t kRedrawLeapSwitch = 8;  // one shot: the split Adar cell appears
constexpr uint8_t kRedrawAll = kRedrawMonths | kRedrawGrid | kRedrawHeader;

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

struct CalendarView {
    HebrewDate date;       // month and year on view; its day is carried along
    HebrewDate marked;     // the day drawn highlighted
    AbsoluteDay result;    // absolute day of `date`; 0 after a dismissal
    uint8_t leap;          // the view year is a leap year
    uint8_t firstWeekday;  // of day 1 of the view month, 0 = Sunday
    uint8_t weekRows;      // 5 or 6, as the grid was last drawn; 0 before
    uint8_t monthLength;
    uint8_t redraw;
    DrawingSurface surface;  // the dialog's device context; ops null: none
    SurfaceFont* font;       // year line, arrows, weekday letters, day numbers
    SurfaceFont* labelFont;  // month labels: the dialog's own; not owned
    SurfaceFont* civilFont;  // the civil dates, small; none: they are not drawn
    EdgeRect client;
    CalendarLayout layout;
    CalendarHeader headerPlace;
    MonthButton buttons[kMonthButtonEntries];
};

// Weeks a month spans: 6 only when a 30-day month starts on a Saturday.
int32_t CalendarWeekRows(int32_t firstWeekday, int32_t monthLength);

// Where day `day` of the view month stands: its column (0 = Sunday) and its
// week row (0-based, below the row of weekday letters).
struct CalendarCell {
    int32_t column;
    int32_t week;
};
CalendarCell CalendarDayCell(const CalendarView* view, int32_t day);

// The civil day of the month on which day `day` of the view month falls.
int32_t CivilDayOfCell(const CalendarView* view, int32_t day);

// The civil months the view month spans and their year, as "Nov – Dec 2026",
// "Dec 2026 – Jan 2027" or, for a month within one, "Mar 2027";
// zero-terminated.
constexpr int kCivilSpanUnits = 24;
void FormatCivilSpan(const CalendarView* view, char16_t out[kCivilSpanUnits]);
