// The calendar dialog's pixel layout and its hit tests.
#include "dialogs/calendar_layout.h"

#include "view/display_scale.h"

namespace {

// Gaps at 96 pixels per inch: above the header, between the header and the
// month buttons, and between the buttons and the grid.
constexpr int32_t kHeaderGap = 2;
constexpr int32_t kMonthsGap = 6;
constexpr int32_t kGridGap = 4;

// The dialog's own month labels, Nisan first; Adar's cell depends on the year.
const char* const kMonthLabels[11] = {"Nissan", "Iyyar",   "Sivan",  "Tammuz",
                                      "Av",     "Elul",    "Tishrei", "Cheshvan",
                                      "Kislev", "Teves",   "Shevat"};

// Button `month` (1..12) of the 3 x 4 block.
MonthButton ButtonCell(const CalendarLayout& layout, int32_t month, const char* label) {
    const int32_t row = (month - 1) / 4;
    const int32_t column = (month - 1) % 4;
    const int32_t left = layout.monthLeft + column * layout.monthWidth;
    const int32_t top = layout.monthTop + row * layout.monthHeight;
    return {top, left, top + layout.monthHeight, left + layout.monthWidth, label};
}

bool Inside(const MonthButton& button, int32_t x, int32_t y) {
    return x >= button.left && x <= button.right && y >= button.top && y <= button.bottom;
}

CalendarHit HeaderHit(const CalendarView* view, int32_t x, int32_t y) {
    const CalendarHeader& place = view->headerPlace;
    const int32_t below = y - view->layout.headerTop;
    // Before the header was drawn there are no arrows to hit.
    if (place.arrowWidth == 0 || below < 0 || below > view->layout.headerHeight) {
        return CalendarHit::Nothing;
    }
    if (x < place.leftArrowX || x > place.rightArrowX + place.arrowWidth) return CalendarHit::Nothing;
    if (x <= place.leftArrowX + place.arrowWidth) return CalendarHit::YearBack;
    if (x < place.rightArrowX) return CalendarHit::Nothing;  // the year box and the gaps
    return CalendarHit::YearForward;
}

// The day under x, y, or 0 outside the used week rows or the month's days.
int32_t DayAt(const CalendarView* view, int32_t x, int32_t y) {
    const CalendarLayout& layout = view->layout;
    if (layout.cellWidth <= 0 || layout.cellHeight <= 0) return 0;
    const int32_t dx = x - layout.gridLeft;
    const int32_t dy = y - (layout.gridTop + layout.cellHeight);
    if (dx < 0 || dx >= 7 * layout.cellWidth || dy < 0 || dy > view->weekRows * layout.cellHeight) {
        return 0;
    }
    const int32_t day = dx / layout.cellWidth + (dy / layout.cellHeight) * 7 - view->firstWeekday + 1;
    return day >= 1 && day <= view->monthLength ? day : 0;
}

}  // namespace

CalendarLayout ComputeCalendarLayout(const EdgeRect& client, int32_t fontHeight, int32_t dpi) {
    const int32_t width = client.right - client.left + 1;
    const int32_t height = client.bottom - client.top + 1;
    CalendarLayout layout{};
    layout.gridTop = 3 * height / 9;
    layout.cellHeight = (client.bottom - layout.gridTop) / 7;
    layout.cellWidth = width / 8;
    layout.gridWidth = 7 * layout.cellWidth + 1;
    layout.gridLeft = client.left + (width - layout.gridWidth) / 2;
    layout.headerTop = client.top + ScaleToDpi(kHeaderGap, dpi);
    layout.headerHeight = fontHeight;
    layout.monthTop = client.top + fontHeight + ScaleToDpi(kMonthsGap, dpi);
    layout.monthWidth = (7 * width / 8) / 4;
    layout.monthHeight = (layout.gridTop - layout.monthTop - ScaleToDpi(kGridGap, dpi)) / 3;
    layout.monthLeft = client.left + (width - (4 * layout.monthWidth + 1)) / 2;
    layout.adarSplit = layout.monthLeft + 3 * layout.monthWidth + (3 * layout.monthWidth) / 4;
    return layout;
}

void LayOutCalendar(CalendarView* view, const EdgeRect& client, int32_t fontHeight) {
    view->client = client;
    view->layout = ComputeCalendarLayout(client, fontHeight, view->surface.dpi);
    SetMonthButtons(view, view->leap != 0);
}

void SetMonthButtons(CalendarView* view, bool leap) {
    const CalendarLayout& layout = view->layout;
    for (int32_t month = 1; month <= 11; ++month) {
        view->buttons[month - 1] = ButtonCell(layout, month, kMonthLabels[month - 1]);
    }
    MonthButton adar = ButtonCell(layout, 12, "Adar");
    MonthButton second{};
    if (leap) {
        second = {adar.top, layout.adarSplit, adar.bottom, adar.right, "II"};
        adar.right = layout.adarSplit;
        adar.label = "Adar I";
    }
    view->buttons[11] = adar;
    view->buttons[12] = second;
    view->buttons[13] = MonthButton{};
}

CalendarTarget HitTestCalendar(const CalendarView* view, int32_t x, int32_t y) {
    for (int32_t i = 0; i < kMonthButtonEntries && view->buttons[i].label != nullptr; ++i) {
        if (Inside(view->buttons[i], x, y)) return {CalendarHit::Month, i + 1};
    }
    const CalendarHit arrow = HeaderHit(view, x, y);
    if (arrow != CalendarHit::Nothing) return {arrow, 0};
    const int32_t day = DayAt(view, x, y);
    if (day != 0) return {CalendarHit::Day, day};
    return {CalendarHit::Nothing, 0};
}
