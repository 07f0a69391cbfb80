// Where the days of the month on view stand in the grid.
#include "dialogs/calendar_state.h"

int32_t CalendarWeekRows(int32_t firstWeekday, int32_t monthLength) {
    return firstWeekday == 6 && monthLength == 30 ? 6 : 5;
}

CalendarCell CalendarDayCell(const CalendarView* view, int32_t day) {
    const int32_t index = view->firstWeekday + day - 1;
    return {index % 7, index / 7};
}
