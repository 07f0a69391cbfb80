// Drawing the calendar dialog on its surface: the month buttons, the day
// grid, the month and day on view highlighted, and the year line with its
// arrows, each drawn only when the redraw flags ask for it. On a surface that
// draws in the system's colours, black and white become the window's text
// and background, and what is highlighted takes the highlight's colours.
#pragma once

#include <cstdint>

#include "dialogs/calendar_state.h"

// The font of the year line, the arrows, the weekday letters and the day
// numbers: the default face, a cell 14 pixels high at 96 pixels per inch,
// bold.
constexpr int32_t kCalendarFontHeight = 14;
constexpr int32_t kCalendarFontWeight = 700;
// The civil dates' font: the default face, a cell 11 pixels high, regular.
constexpr int32_t kCalendarCivilFontHeight = 11;
constexpr int32_t kCalendarCivilFontWeight = 400;

// Gives the view the dialog's surface and client rectangle: lays it out for
// the calendar's font and asks for everything to be drawn.
void AttachCalendarSurface(CalendarView* view, DrawingSurface surface, const EdgeRect& client);

// One drawing pass: the month buttons and the header when their flags are
// set, the grid always, then the month on view and the marked day (when it
// is in that month) highlighted; clears the flags. Nothing without a surface.
void DrawCalendar(CalendarView* view);

// The cell of day `day` of the view month, white on black when highlighted,
// else black on white; other days draw nothing.
void DrawCalendarDayCell(CalendarView* view, int32_t day, bool highlighted);

// Where the arrows stand beside the year box of `year`, which is centred in
// the client width; measured with the calendar's font selected on `dc`, the
// gaps scaled to its resolution.
CalendarHeader PlaceCalendarHeader(DrawingSurface* dc, int32_t year, int32_t clientWidth);
