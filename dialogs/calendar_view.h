// The "Hebrew Calendar" month picker, its portable model: which month is on
// view, which day is marked, how the view moves by month and by year, and
// which day the dialog hands back. The layout and the hit tests are in
// calendar_layout.h, the drawing in calendar_paint.h.
//
// Every action that changes the view asks for the parts to redraw through
// the redraw flags and then draws at once on the view's surface. While the
// view has no surface (ops null) nothing is drawn and the flags stay set, so
// the model runs and is tested without a window.
#pragma once

#include <cstdint>

#include "calendar/hebrew_calendar.h"
#include "dialogs/calendar_layout.h"
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

// The keys the view moves by, numbered as the window system numbers them.
constexpr unsigned kKeyPageUp = 0x21;
constexpr unsigned kKeyPageDown = 0x22;
constexpr unsigned kKeyEnd = 0x23;
constexpr unsigned kKeyHome = 0x24;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;

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
    EdgeRect client;
    CalendarLayout layout;
    CalendarHeader headerPlace;
    MonthButton buttons[kMonthButtonEntries];
};

// Puts `day` (0, or a day outside the supported range: today) on view. With
// `mark` the day becomes the marked day and the month buttons are set up
// afresh, as they are whenever the view changes between a common and a leap
// year.
void SetCalendarView(CalendarView* view, AbsoluteDay day, bool mark);

// After the month changed within the year: a carried 30th that the new
// month lacks becomes the 29th; redraws the months and the grid.
void RefreshCalendarView(CalendarView* view);

// A click on month button `month`: shows that month of the year on view.
void ChooseCalendarMonth(CalendarView* view, int32_t month);

// One year back (-1) or forward (+1), keeping the month (Adar II becomes
// Adar, whose neighbours never have a second Adar).
void StepCalendarYear(CalendarView* view, int32_t step);

// Page Up/Down by year, Home/End to the first/last month, the arrows by
// month across the year's turn at Tishrei. Other keys do nothing.
void NavigateCalendarByKey(CalendarView* view, unsigned key);

// Picks day `day` of the view month: marks it and makes the result its
// absolute day. Returns the day, or 0 when the month has no such day or the
// day lies outside the supported range.
int32_t PickCalendarDay(CalendarView* view, int32_t day);

// Weeks a month spans: 6 only when a 30-day month starts on a Saturday.
int32_t CalendarWeekRows(int32_t firstWeekday, int32_t monthLength);

// Where day `day` of the view month stands: its column (0 = Sunday) and its
// week row (0-based, below the row of weekday letters).
struct CalendarCell {
    int32_t column;
    int32_t week;
};
CalendarCell CalendarDayCell(const CalendarView* view, int32_t day);
