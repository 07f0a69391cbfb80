// The calendar dialog's month model, layout and hit tests, without a window:
// opening, moving by month and year, picking, and where clicks land.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "dialogs/calendar_layout.h"
#include "dialogs/calendar_view.h"

namespace {

AbsoluteDay Day(int32_t month, int32_t day, int32_t year) {
    return AbsoluteFromHebrew({month, day, year});
}

CalendarView OpenedOn(AbsoluteDay start) {
    CalendarView view{};
    SetCalendarView(&view, start, true);
    return view;
}

// Laid out on the 320 x 320 client with a 14-pixel font.
CalendarView LaidOutOn(AbsoluteDay start) {
    CalendarView view = OpenedOn(start);
    LayOutCalendar(&view, {0, 0, 320, 320}, 14);
    view.weekRows = static_cast<uint8_t>(CalendarWeekRows(view.firstWeekday, view.monthLength));
    return view;
}

std::string Shown(const HebrewDate& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

}  // namespace

TEST(CalendarView, OpeningOnTodayShowsAndMarksIt) {
    AbsoluteDay before = 0;
    CalendarView view{};
    // Opened again if midnight passed in between.
    do {
        before = AbsoluteFromGregorian(TodayGregorian());
        view = OpenedOn(0);
    } while (before != AbsoluteFromGregorian(TodayGregorian()));
    EXPECT_EQ(view.result, before);
    EXPECT_EQ(Shown(view.date), Shown(HebrewFromAbsolute(before)));
    EXPECT_EQ(Shown(view.marked), Shown(view.date));
    EXPECT_NE(view.redraw & kRedrawMonths, 0);
}

TEST(CalendarView, OpeningSetsTheMonthFacts) {
    struct Case {
        AbsoluteDay start;
        int firstWeekday, monthLength, leap;
        const char* adar;
        const char* second;  // null: the table ends after Adar
    } const cases[] = {
        {Day(7, 15, 5785), 4, 30, 0, "Adar", nullptr},  // 1 Tishrei 5785 was a Thursday
        {Day(13, 10, 5768), 6, 29, 1, "Adar I", "II"},
        // The first supported day: day 1 of its month lies before day 1.
        {kFirstSupportedDay, 5, 29, 0, "Adar", nullptr},
    };
    for (const Case& c : cases) {
        const CalendarView view = OpenedOn(c.start);
        SCOPED_TRACE(Shown(view.date));
        EXPECT_EQ(view.result, c.start);
        EXPECT_EQ(Shown(view.marked), Shown(view.date));
        EXPECT_EQ(view.firstWeekday, c.firstWeekday);
        EXPECT_EQ(view.monthLength, c.monthLength);
        EXPECT_EQ(view.leap, c.leap);
        EXPECT_STREQ(view.buttons[11].label, c.adar);
        EXPECT_EQ(view.buttons[12].label == nullptr, c.second == nullptr);
        EXPECT_EQ(view.buttons[13].label, nullptr);
        EXPECT_EQ((view.redraw & kRedrawLeapSwitch) != 0, c.leap == 1);
    }
}

TEST(CalendarView, AStartOutsideTheSupportedDaysOpensOnToday) {
    for (AbsoluteDay start : {-40, kLastSupportedDay + 1}) {
        const CalendarView view = OpenedOn(start);
        EXPECT_TRUE(IsSupportedDay(view.result)) << start;
        EXPECT_EQ(Shown(view.marked), Shown(view.date));
    }
}

TEST(CalendarView, MovesByMonthAndYear) {
    using Move = std::function<void(CalendarView*)>;
    const auto key = [](unsigned k) { return Move([k](CalendarView* v) { NavigateCalendarByKey(v, k); }); };
    const auto step = [](int s) { return Move([s](CalendarView* v) { StepCalendarYear(v, s); }); };
    const auto choose = [](int m) { return Move([m](CalendarView* v) { ChooseCalendarMonth(v, m); }); };
    struct Case {
        const char* what;
        HebrewDate start;
        Move move;
        HebrewDate shown;
    } const cases[] = {
        {"a 30th into a 29-day month", {9, 30, 5780}, key(kKeyPageDown), {9, 29, 5781}},
        {"Adar II a year on", {13, 10, 5768}, step(1), {12, 10, 5769}},
        {"Adar II a year back", {13, 10, 5768}, step(-1), {12, 10, 5767}},
        {"Adar II by Page Up", {13, 10, 5768}, key(kKeyPageUp), {12, 10, 5767}},
        {"Adar I's 30th a year on", {12, 30, 5768}, step(1), {12, 29, 5769}},
        {"Elul to Tishrei", {6, 3, 5767}, key(kKeyRight), {7, 3, 5768}},
        {"Tishrei to Elul", {7, 3, 5768}, key(kKeyLeft), {6, 3, 5767}},
        {"Nisan back to Adar II", {1, 3, 5768}, key(kKeyUp), {13, 3, 5768}},
        {"Adar II on to Nisan", {13, 3, 5768}, key(kKeyDown), {1, 3, 5768}},
        {"Adar on to Nisan", {12, 3, 5767}, key(kKeyRight), {1, 3, 5767}},
        {"End of a leap year", {7, 3, 5768}, key(kKeyEnd), {13, 3, 5768}},
        {"End of a common year", {7, 3, 5767}, key(kKeyEnd), {12, 3, 5767}},
        {"Home", {7, 3, 5768}, key(kKeyHome), {1, 3, 5768}},
        {"Nissan's button from Tishrei", {7, 3, 5768}, choose(1), {1, 3, 5768}},
        {"a 30th into Cheshvan", {7, 30, 5781}, choose(8), {8, 29, 5781}},
        {"another key", {7, 3, 5768}, key(0x41), {7, 3, 5768}},
        {"before the first whole year", {1, 3, 3762}, key(kKeyPageUp), {1, 3, 3762}},
        {"into the year of the first day", {7, 3, 3762}, key(kKeyLeft), {7, 3, 3762}},
        {"past the last whole year", {6, 3, 13759}, step(1), {6, 3, 13759}},
        {"into the year of the last day", {6, 3, 13759}, key(kKeyRight), {6, 3, 13759}},
        {"out of the first day's year", {10, 18, 3761}, key(kKeyPageDown), {10, 18, 3762}},
        {"within the first day's year", {10, 18, 3761}, choose(11), {10, 18, 3761}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalendarView view = OpenedOn(AbsoluteFromHebrew(c.start));
        c.move(&view);
        EXPECT_EQ(Shown(view.date), Shown(c.shown));
        EXPECT_EQ(view.result, AbsoluteFromHebrew(view.date));
        EXPECT_EQ(view.monthLength, DaysInHebrewMonth(view.date.month, view.date.year));
        EXPECT_EQ(Shown(view.marked), Shown(c.start));  // moving marks nothing
    }
}

TEST(CalendarView, MovesAskForTheirRedraws) {
    struct Case {
        const char* what;
        HebrewDate start;
        std::function<void(CalendarView*)> move;
        uint8_t redraw;
    } const cases[] = {
        {"a month", {7, 3, 5767}, [](CalendarView* v) { ChooseCalendarMonth(v, 8); }, kRedrawMonths | kRedrawGrid},
        {"a year", {7, 3, 5768}, [](CalendarView* v) { StepCalendarYear(v, 1); }, kRedrawAll},
        {"into a leap year", {7, 3, 5767}, [](CalendarView* v) { StepCalendarYear(v, 1); },
         kRedrawAll | kRedrawLeapSwitch},
        {"by key across Tishrei", {6, 3, 5767}, [](CalendarView* v) { NavigateCalendarByKey(v, kKeyRight); },
         kRedrawAll | kRedrawLeapSwitch},
        {"the month on view", {7, 3, 5767}, [](CalendarView* v) { ChooseCalendarMonth(v, 7); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalendarView view = OpenedOn(AbsoluteFromHebrew(c.start));
        view.redraw = 0;
        c.move(&view);
        EXPECT_EQ(view.redraw, c.redraw);
    }
}

TEST(CalendarView, PicksADayOfTheMonthOnView) {
    CalendarView view = OpenedOn(Day(9, 30, 5780));
    NavigateCalendarByKey(&view, kKeyPageDown);  // Kislev 5781, 29 days
    for (int32_t day : {0, 30, -1}) EXPECT_EQ(PickCalendarDay(&view, day), 0) << day;
    EXPECT_EQ(view.result, Day(9, 29, 5781));
    EXPECT_EQ(PickCalendarDay(&view, 4), 4);
    EXPECT_EQ(view.result, Day(9, 4, 5781));
    EXPECT_EQ(Shown(view.marked), "9/4/5781");

    CalendarView again = OpenedOn(Day(9, 30, 5780));
    EXPECT_EQ(PickCalendarDay(&again, 30), 30);
    EXPECT_EQ(again.result, Day(9, 30, 5780));  // the start day itself

    // The first supported day is the 18th of its month.
    CalendarView first = OpenedOn(kFirstSupportedDay);
    EXPECT_EQ(PickCalendarDay(&first, 17), 0);
    EXPECT_EQ(PickCalendarDay(&first, 19), 19);
    EXPECT_EQ(first.result, kFirstSupportedDay + 1);
}

TEST(CalendarView, WeeksOfAMonth) {
    struct Case {
        HebrewDate first;
        int firstWeekday, rows;
        int lastColumn, lastWeek;
    } const cases[] = {
        {{5, 1, 5781}, 6, 6, 0, 5},  // 30 days from a Saturday
        {{2, 1, 5780}, 6, 5, 6, 4},  // 29 days
        {{7, 1, 5785}, 4, 5, 5, 4},  // 30 days from a Thursday
    };
    for (const Case& c : cases) {
        const CalendarView view = OpenedOn(AbsoluteFromHebrew(c.first));
        SCOPED_TRACE(Shown(c.first));
        ASSERT_EQ(view.firstWeekday, c.firstWeekday);
        EXPECT_EQ(CalendarWeekRows(view.firstWeekday, view.monthLength), c.rows);
        const CalendarCell last = CalendarDayCell(&view, view.monthLength);
        EXPECT_EQ(last.column, c.lastColumn);
        EXPECT_EQ(last.week, c.lastWeek);
    }
}

TEST(CalendarLayout, TheWorkedExample) {
    const CalendarLayout layout = ComputeCalendarLayout({0, 0, 320, 320}, 14);
    EXPECT_EQ(layout.gridTop, 107);
    EXPECT_EQ(layout.cellWidth, 40);
    EXPECT_EQ(layout.cellHeight, 30);
    EXPECT_EQ(layout.gridWidth, 281);
    EXPECT_EQ(layout.gridLeft, 20);
    EXPECT_EQ(layout.headerTop, 2);
    EXPECT_EQ(layout.headerHeight, 14);
    EXPECT_EQ(layout.monthTop, 20);
    EXPECT_EQ(layout.monthLeft, 20);
    EXPECT_EQ(layout.monthWidth, 70);
    EXPECT_EQ(layout.monthHeight, 27);
    EXPECT_EQ(layout.adarSplit, 282);

    CalendarView common = LaidOutOn(Day(7, 1, 5785));
    const MonthButton& nissan = common.buttons[0];
    EXPECT_EQ((std::vector<int32_t>{nissan.left, nissan.top, nissan.right, nissan.bottom}),
              (std::vector<int32_t>{20, 20, 90, 47}));
    const MonthButton& adar = common.buttons[11];
    EXPECT_EQ((std::vector<int32_t>{adar.left, adar.top, adar.right, adar.bottom}),
              (std::vector<int32_t>{230, 74, 300, 101}));
    CalendarView leap = LaidOutOn(Day(7, 1, 5787));
    EXPECT_EQ((std::vector<int32_t>{leap.buttons[11].left, leap.buttons[11].right, leap.buttons[12].left,
                                    leap.buttons[12].right, leap.buttons[12].top, leap.buttons[12].bottom}),
              (std::vector<int32_t>{230, 282, 282, 300, 74, 101}));
}

TEST(CalendarLayout, WhereClicksLand) {
    // Tishrei 5785: day 1 on Thursday (column 4), day 30 in column 5 of
    // week 4. Arrows placed at 78 and 194, 48 wide.
    CalendarView view = LaidOutOn(Day(7, 1, 5785));
    CalendarView leap = LaidOutOn(Day(7, 1, 5787));
    view.headerPlace = leap.headerPlace = {78, 194, 48};
    const auto week = [](int w) { return 107 + (w + 1) * 30; };  // top border line of a week row
    struct Case {
        const CalendarView* view;
        int32_t x, y;
        CalendarHit hit;
        int32_t value;
    } const cases[] = {
        {&view, 90, 30, CalendarHit::Month, 1},    // the edge Nissan shares with Iyyar
        {&view, 50, 47, CalendarHit::Month, 1},    // and with Av below
        {&view, 300, 101, CalendarHit::Month, 12},
        {&view, 301, 80, CalendarHit::Nothing, 0},
        {&leap, 282, 80, CalendarHit::Month, 12},  // the split
        {&leap, 283, 80, CalendarHit::Month, 13},
        {&view, 78, 2, CalendarHit::YearBack, 0},
        {&view, 126, 16, CalendarHit::YearBack, 0},
        {&view, 78, 1, CalendarHit::Nothing, 0},   // just above the header band
        {&view, 78, 17, CalendarHit::Nothing, 0},  // just below it
        {&view, 77, 8, CalendarHit::Nothing, 0},
        {&view, 127, 8, CalendarHit::Nothing, 0},  // the gap and the year box
        {&view, 193, 8, CalendarHit::Nothing, 0},
        {&view, 194, 8, CalendarHit::YearForward, 0},
        {&view, 242, 8, CalendarHit::YearForward, 0},
        {&view, 243, 8, CalendarHit::Nothing, 0},
        {&view, 185, 120, CalendarHit::Nothing, 0},  // the weekday letters
        {&view, 185, week(0) - 1, CalendarHit::Nothing, 0},
        {&view, 180, week(0), CalendarHit::Day, 1},  // the cell's own border lines
        {&view, 179, week(0), CalendarHit::Nothing, 0},  // before day 1
        {&view, 299, week(4) + 29, CalendarHit::Nothing, 0},  // after the last day
        {&view, 259, week(4) + 29, CalendarHit::Day, 30},
        {&view, 300, week(1) + 5, CalendarHit::Nothing, 0},  // the grid's right border line
        {&view, 19, week(1) + 5, CalendarHit::Nothing, 0},   // the margin
        {&view, 20, week(1) + 5, CalendarHit::Day, 4},
        {&view, 20, week(5), CalendarHit::Nothing, 0},       // below the used rows
    };
    for (const Case& c : cases) {
        const CalendarTarget target = HitTestCalendar(c.view, c.x, c.y);
        EXPECT_EQ(target.hit, c.hit) << c.x << ", " << c.y;
        EXPECT_EQ(target.value, c.value) << c.x << ", " << c.y;
    }
}

TEST(CalendarLayout, ArrowsWaitForTheHeader) {
    const CalendarView view = LaidOutOn(Day(7, 1, 5785));
    EXPECT_EQ(HitTestCalendar(&view, 0, 8).hit, CalendarHit::Nothing);
}

TEST(CalendarLayout, AClickDoesWhatItHits) {
    CalendarView view = LaidOutOn(Day(7, 1, 5785));
    view.headerPlace = {78, 194, 48};
    EXPECT_FALSE(ClickCalendar(&view, 55, 30));  // Nissan
    EXPECT_EQ(Shown(view.date), "1/1/5785");
    EXPECT_FALSE(ClickCalendar(&view, 220, 8));
    EXPECT_EQ(Shown(view.date), "1/1/5786");
    EXPECT_FALSE(ClickCalendar(&view, 100, 8));
    EXPECT_EQ(Shown(view.date), "1/1/5785");
    view.weekRows = static_cast<uint8_t>(CalendarWeekRows(view.firstWeekday, view.monthLength));
    const CalendarCell cell = CalendarDayCell(&view, 12);
    EXPECT_TRUE(ClickCalendar(&view, 20 + cell.column * 40 + 5, 107 + (cell.week + 1) * 30 + 5));
    EXPECT_EQ(view.result, Day(1, 12, 5785));
    EXPECT_EQ(Shown(view.marked), "1/12/5785");
}

TEST(CalendarView, TheYearsOnViewAreTheWholeYearsOfTheSupportedDays) {
    const auto newYear = [](int32_t year) { return AbsoluteFromHebrew({7, 1, year}); };
    EXPECT_LT(newYear(kFirstCalendarYear - 1), kFirstSupportedDay);
    EXPECT_GE(newYear(kFirstCalendarYear), kFirstSupportedDay);
    EXPECT_LE(newYear(kLastCalendarYear + 1) - 1, kLastSupportedDay);
    EXPECT_GT(newYear(kLastCalendarYear + 2) - 1, kLastSupportedDay);
}
