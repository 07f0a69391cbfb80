// The "Hebrew Calendar" month picker, its portable model: which month is on
// view, which day is marked, how the view moves by month and by year, and
// which day the dialog hands back, and what a click does. The state is in
// calendar_state.h, the layout and the hit tests in calendar_layout.h, the
// drawing in calendar_paint.h.
//
// Every action that changes the view asks for the parts to redraw through
// the redraw flags and then draws at once on the view's surface. While the
// view has no surface (ops null) nothing is drawn and the flags stay set, so
// the model runs and is tested without a window.
#pragma once

#include <cstdint>

#include "calendar/hebrew_calendar.h"
#include "dialogs/calendar_state.h"

// The keys the view moves by, numbered as the window system numbers them.
constexpr unsigned kKeyPageUp = 0x21;
constexpr unsigned kKeyPageDown = 0x22;
constexpr unsigned kKeyEnd = 0x23;
constexpr unsigned kKeyHome = 0x24;
constexpr unsigned kKeyLeft = 0x25;
constexpr unsigned kKeyUp = 0x26;
constexpr unsigned kKeyRight = 0x27;
constexpr unsigned kKeyDown = 0x28;

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

// Does what the click at x, y does. True when it picked a day, which ends
// the dialog.
bool ClickCalendar(CalendarView* view, int32_t x, int32_t y);
