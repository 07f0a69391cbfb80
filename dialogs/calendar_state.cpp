// Where the days of the month on view stand in the grid, and the civil days
// they fall on.
#include "dialogs/calendar_state.h"

#include "calendar/decimal_text.h"

namespace {

const char* const kCivilMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

GregorianDate CivilDateOfDay(const CalendarView* view, int32_t day) {
    return GregorianFromAbsolute(AbsoluteFromHebrew({view->date.month, day, view->date.year}));
}

// Appends `text` to `out` at `*at`, as far as it fits with the zero after it.
void Append(char16_t out[kCivilSpanUnits], int* at, const char* text) {
    for (; *text != '\0' && *at < kCivilSpanUnits - 1; ++text) out[(*at)++] = static_cast<unsigned char>(*text);
    out[*at] = 0;
}

void AppendYear(char16_t out[kCivilSpanUnits], int* at, int32_t year) {
    char text[kMaxDecimalLength + 2] = {' '};
    *WriteDecimal(year, 1, text + 1) = '\0';
    Append(out, at, text);
}

}  // namespace

int32_t CalendarWeekRows(int32_t firstWeekday, int32_t monthLength) {
    return firstWeekday == 6 && monthLength == 30 ? 6 : 5;
}

CalendarCell CalendarDayCell(const CalendarView* view, int32_t day) {
    const int32_t index = view->firstWeekday + day - 1;
    return {index % 7, index / 7};
}

int32_t CivilDayOfCell(const CalendarView* view, int32_t day) { return CivilDateOfDay(view, day).day; }

void FormatCivilSpan(const CalendarView* view, char16_t out[kCivilSpanUnits]) {
    const GregorianDate first = CivilDateOfDay(view, 1);
    const GregorianDate last = CivilDateOfDay(view, view->monthLength);
    int at = 0;
    out[0] = 0;
    Append(out, &at, kCivilMonths[first.month - 1]);
    if (first.month == last.month) {
        AppendYear(out, &at, first.year);
        return;
    }
    if (first.year != last.year) AppendYear(out, &at, first.year);
    Append(out, &at, " ");
    const char16_t dash[] = u"\u2013 ";
    for (const char16_t* d = dash; *d != 0 && at < kCivilSpanUnits - 1; ++d) out[at++] = *d;
    out[at] = 0;
    Append(out, &at, kCivilMonths[last.month - 1]);
    AppendYear(out, &at, last.year);
}
