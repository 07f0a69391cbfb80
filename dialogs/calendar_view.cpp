// The calendar's month model: the view, its moves and the pick.
#include "dialogs/calendar_view.h"

#include "dialogs/calendar_layout.h"
#include "dialogs/calendar_paint.h"

namespace {

// Weekday of an absolute day, 0 = Sunday; day 1 was a Monday. Day 1 of the
// month of the first supported day lies before it, at or below zero.
int32_t Weekday(AbsoluteDay day) { return ((day % 7) + 7) % 7; }

bool YearOnCalendar(int32_t year) {
    return year >= kFirstCalendarYear && year <= kLastCalendarYear;
}

// A carried 30th that `month` of `year` lacks becomes the 29th.
void ClampCarriedDay(HebrewDate* date) {
    if (date->day == 30 && DaysInHebrewMonth(date->month, date->year) < 30) date->day = 29;
}

}  // namespace

void SetCalendarView(CalendarView* view, AbsoluteDay day, bool mark) {
    const bool today = day == 0 || !IsSupportedDay(day);
    if (today) day = AbsoluteFromGregorian(TodayGregorian());
    view->result = day;
    view->date = HebrewFromAbsolute(day);
    view->firstWeekday = static_cast<uint8_t>(Weekday(day - view->date.day + 1));
    const bool leap = HebrewLeapYear(view->date.year);
    if (leap != (view->leap != 0) || mark || today) {
        SetMonthButtons(view, leap);
        view->redraw |= kRedrawMonths;
        if (leap) view->redraw |= kRedrawLeapSwitch;
        if (mark) view->marked = view->date;
    }
    view->leap = leap ? 1 : 0;
    view->monthLength = static_cast<uint8_t>(DaysInHebrewMonth(view->date.month, view->date.year));
}

void RefreshCalendarView(CalendarView* view) {
    ClampCarriedDay(&view->date);
    SetCalendarView(view, AbsoluteFromHebrew(view->date), false);
    view->redraw |= kRedrawMonths | kRedrawGrid;
    DrawCalendar(view);
}

void ChooseCalendarMonth(CalendarView* view, int32_t month) {
    if (month == view->date.month || !YearOnCalendar(view->date.year)) return;
    view->date.month = month;
    RefreshCalendarView(view);
}

void StepCalendarYear(CalendarView* view, int32_t step) {
    if (!YearOnCalendar(view->date.year + step)) return;
    view->date.year += step;
    if (view->date.month == 13) {
        view->date.month = 12;
    } else {
        ClampCarriedDay(&view->date);
    }
    SetCalendarView(view, AbsoluteFromHebrew(view->date), false);
    view->redraw |= kRedrawAll;
    DrawCalendar(view);
}

void NavigateCalendarByKey(CalendarView* view, unsigned key) {
    const int32_t year = view->date.year;
    const int32_t lastMonth = LastMonthOfHebrewYear(year);
    HebrewDate next = view->date;
    switch (key) {
    case kKeyPageUp: next.year = year - 1; break;
    case kKeyPageDown: next.year = year + 1; break;
    case kKeyEnd: next.month = lastMonth; break;
    case kKeyHome: next.month = 1; break;
    case kKeyLeft:
    case kKeyUp:
        next.month = next.month == 1 ? lastMonth : next.month - 1;
        if (next.month == 6) next.year = year - 1;  // Elul ends the year before
        break;
    case kKeyRight:
    case kKeyDown:
        next.month = next.month == lastMonth ? 1 : next.month + 1;
        if (next.month == 7) next.year = year + 1;  // Tishrei begins the next
        break;
    default: return;
    }
    if (!YearOnCalendar(next.year)) return;
    if (next.year != year) {
        if (next.month > LastMonthOfHebrewYear(next.year)) next.month = 12;
        view->redraw |= kRedrawAll;
    }
    view->date = next;
    RefreshCalendarView(view);
}

int32_t PickCalendarDay(CalendarView* view, int32_t day) {
    if (day < 1 || day > view->monthLength) return 0;
    const AbsoluteDay picked = view->result + day - view->date.day;
    if (!IsSupportedDay(picked)) return 0;
    DrawCalendarDayCell(view, view->date.day, false);
    DrawCalendarDayCell(view, day, true);
    view->result = picked;
    view->marked = {view->date.month, day, view->date.year};
    view->date.day = day;
    return day;
}

bool ClickCalendar(CalendarView* view, int32_t x, int32_t y) {
    const CalendarTarget target = HitTestCalendar(view, x, y);
    switch (target.hit) {
    case CalendarHit::Month: ChooseCalendarMonth(view, target.value); break;
    case CalendarHit::YearBack: StepCalendarYear(view, -1); break;
    case CalendarHit::YearForward: StepCalendarYear(view, 1); break;
    case CalendarHit::Day: return PickCalendarDay(view, target.value) != 0;
    case CalendarHit::Nothing: break;
    }
    return false;
}
