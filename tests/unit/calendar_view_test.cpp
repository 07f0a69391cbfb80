// The calendar dialog's month model, layout and hit tests, without a window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/calendar_layout.h"
#include "dialogs/calendar_view.h"

namespace {

CalendarView OpenedOn(HebrewDate start) {
    CalendarView view{};
    SetCalendarView(&view, AbsoluteFromHebrew(start), true);
    LayOutCalendar(&view, {0, 0, 320, 320}, 14);
    view.weekRows = static_cast<uint8_t>(CalendarWeekRows(view.firstWeekday, view.monthLength));
    return view;
}

std::string Shown(const HebrewDate& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

using Move = std::function<void(CalendarView*)>;
Move Key(unsigned key) { return [key](CalendarView* v) { NavigateCalendarByKey(v, key); }; }
Move Step(int step) { return [step](CalendarView* v) { StepCalendarYear(v, step); }; }
Move Choose(int month) { return [month](CalendarView* v) { ChooseCalendarMonth(v, month); }; }

}  // namespace

TEST(CalendarView, OpeningWithoutASupportedDayShowsAndMarksToday) {
    for (AbsoluteDay start : {0, -40, kLastSupportedDay + 1}) {
        AbsoluteDay today = 0;
        CalendarView view{};
        do {  // again if midnight passed meanwhile
            today = AbsoluteFromGregorian(TodayGregorian());
            SetCalendarView(&view, start, true);
        } while (today != AbsoluteFromGregorian(TodayGregorian()));
        EXPECT_EQ(view.result, today) << start;
        EXPECT_EQ(Shown(view.date), Shown(HebrewFromAbsolute(today)));
        EXPECT_EQ(Shown(view.marked), Shown(view.date));
    }
}

TEST(CalendarView, OpeningSetsTheMonthFacts) {
    struct Case {
        HebrewDate start;
        int firstWeekday, monthLength, leap;
        const char* adar;
    } const cases[] = {
        {{7, 15, 5785}, 4, 30, 0, "Adar"},  // 1 Tishrei 5785 was a Thursday
        {{13, 10, 5768}, 6, 29, 1, "Adar I"},
        {{10, 18, 3761}, 5, 29, 0, "Adar"},  // the first supported day: its month began before it
    };
    for (const Case& c : cases) {
        const CalendarView view = OpenedOn(c.start);
        SCOPED_TRACE(Shown(c.start));
        EXPECT_EQ(Shown(view.marked), Shown(c.start));
        EXPECT_EQ((std::vector<int>{view.firstWeekday, view.monthLength, view.leap}),
                  (std::vector<int>{c.firstWeekday, c.monthLength, c.leap}));
        EXPECT_STREQ(view.buttons[11].label, c.adar);
        EXPECT_EQ(view.buttons[12].label != nullptr, c.leap == 1);  // "II"
        EXPECT_EQ((view.redraw & kRedrawLeapSwitch) != 0, c.leap == 1);
    }
}

TEST(CalendarView, TheYearsOnViewAreTheWholeYearsOfTheSupportedDays) {
    const auto newYear = [](int32_t year) { return AbsoluteFromHebrew({7, 1, year}); };
    EXPECT_LT(newYear(kFirstCalendarYear - 1), kFirstSupportedDay);
    EXPECT_GE(newYear(kFirstCalendarYear), kFirstSupportedDay);
    EXPECT_LE(newYear(kLastCalendarYear + 1) - 1, kLastSupportedDay);
    EXPECT_GT(newYear(kLastCalendarYear + 2) - 1, kLastSupportedDay);
}

TEST(CalendarView, MovesByMonthAndYear) {
    struct Case {
        HebrewDate start;
        Move move;
        HebrewDate shown;
        uint8_t redraw;
    } const cases[] = {
        {{9, 30, 5780}, Key(kKeyPageDown), {9, 29, 5781}, kRedrawAll},  // to a 29-day Kislev
        {{13, 10, 5768}, Step(1), {12, 10, 5769}, kRedrawAll},
        {{13, 10, 5768}, Key(kKeyPageUp), {12, 10, 5767}, kRedrawAll},
        {{6, 3, 5767}, Key(kKeyRight), {7, 3, 5768}, kRedrawAll | kRedrawLeapSwitch},
        {{7, 3, 5768}, Key(kKeyLeft), {6, 3, 5767}, kRedrawAll},
        {{1, 3, 5768}, Key(kKeyUp), {13, 3, 5768}, kRedrawMonths | kRedrawGrid},
        {{13, 3, 5768}, Key(kKeyDown), {1, 3, 5768}, kRedrawMonths | kRedrawGrid},
        {{7, 3, 5768}, Key(kKeyEnd), {13, 3, 5768}, kRedrawMonths | kRedrawGrid},
        {{7, 3, 5767}, Key(kKeyEnd), {12, 3, 5767}, kRedrawMonths | kRedrawGrid},
        {{7, 30, 5781}, Choose(1), {1, 30, 5781}, kRedrawMonths | kRedrawGrid},  // the later Nisan
        {{7, 30, 5781}, Choose(8), {8, 29, 5781}, kRedrawMonths | kRedrawGrid},
        {{7, 3, 5768}, Choose(7), {7, 3, 5768}, 0},
        {{7, 3, 5768}, Key(0x41), {7, 3, 5768}, 0},
        // Never into a year with days outside the supported range.
        {{1, 3, 3762}, Key(kKeyPageUp), {1, 3, 3762}, 0},
        {{7, 3, 3762}, Key(kKeyLeft), {7, 3, 3762}, 0},
        {{6, 3, 13759}, Step(1), {6, 3, 13759}, 0},
        {{6, 3, 13759}, Key(kKeyRight), {6, 3, 13759}, 0},
        {{10, 18, 3761}, Choose(11), {10, 18, 3761}, 0},
        {{10, 18, 3761}, Key(kKeyPageDown), {10, 18, 3762}, kRedrawAll | kRedrawLeapSwitch},
    };
    for (const Case& c : cases) {
        CalendarView view = OpenedOn(c.start);
        SCOPED_TRACE(Shown(c.start) + " to " + Shown(c.shown));
        view.redraw = 0;
        c.move(&view);
        EXPECT_EQ(Shown(view.date), Shown(c.shown));
        EXPECT_EQ(view.result, AbsoluteFromHebrew(view.date));
        EXPECT_EQ(view.monthLength, DaysInHebrewMonth(view.date.month, view.date.year));
        EXPECT_EQ(Shown(view.marked), Shown(c.start));
        EXPECT_EQ(view.redraw, c.redraw);
    }
}

TEST(CalendarView, PicksOnlyDaysOfTheMonthOnView) {
    CalendarView view = OpenedOn({9, 30, 5780});
    EXPECT_EQ(PickCalendarDay(&view, 30), 30);
    EXPECT_EQ(view.result, AbsoluteFromHebrew({9, 30, 5780}));  // the start day itself
    NavigateCalendarByKey(&view, kKeyPageDown);                // Kislev 5781 has 29 days
    for (int32_t day : {0, 30}) EXPECT_EQ(PickCalendarDay(&view, day), 0) << day;
    EXPECT_EQ(PickCalendarDay(&view, 4), 4);
    EXPECT_EQ(view.result, AbsoluteFromHebrew({9, 4, 5781}));
    EXPECT_EQ(Shown(view.marked), "9/4/5781");

    CalendarView first = OpenedOn({10, 18, 3761});  // the first supported day
    EXPECT_EQ(PickCalendarDay(&first, 17), 0);
    EXPECT_EQ(PickCalendarDay(&first, 19), 19);
    EXPECT_EQ(first.result, kFirstSupportedDay + 1);
}

TEST(CalendarLayout, TheWorkedExample) {
    const CalendarLayout l = ComputeCalendarLayout({0, 0, 320, 320}, 14, 96);
    EXPECT_EQ((std::vector<int32_t>{l.gridTop, l.cellWidth, l.cellHeight, l.gridWidth, l.gridLeft,
                                    l.headerTop, l.headerHeight}),
              (std::vector<int32_t>{107, 40, 30, 281, 20, 2, 14}));
    EXPECT_EQ((std::vector<int32_t>{l.monthLeft, l.monthTop, l.monthWidth, l.monthHeight, l.adarSplit}),
              (std::vector<int32_t>{20, 20, 70, 27, 282}));
    const auto edges = [](const MonthButton& b) { return std::vector<int32_t>{b.left, b.top, b.right, b.bottom}; };
    const CalendarView common = OpenedOn({7, 1, 5785});
    EXPECT_EQ(edges(common.buttons[0]), (std::vector<int32_t>{20, 20, 90, 47}));
    EXPECT_EQ(edges(common.buttons[11]), (std::vector<int32_t>{230, 74, 300, 101}));
    const CalendarView leap = OpenedOn({7, 1, 5787});
    EXPECT_EQ(edges(leap.buttons[11]), (std::vector<int32_t>{230, 74, 282, 101}));
    EXPECT_EQ(edges(leap.buttons[12]), (std::vector<int32_t>{282, 74, 300, 101}));
}

TEST(CalendarLayout, WhereClicksLand) {
    // Tishrei 5785: day 1 in column 4, day 30 in column 5 of the fifth week.
    // The arrows at 78 and 194, 48 wide; `bare` has not drawn its header.
    const CalendarView bare = OpenedOn({7, 1, 5785});
    CalendarView view = bare;
    CalendarView leap = OpenedOn({7, 1, 5787});
    view.headerPlace = leap.headerPlace = {78, 194, 48};
    const auto week = [](int w) { return 107 + (w + 1) * 30; };  // top border of a week row
    using H = CalendarHit;
    struct Case {
        const CalendarView* view;
        int32_t x, y;
        CalendarHit hit;
        int32_t value;
    } const cases[] = {
        {&view, 90, 30, H::Month, 1},  {&view, 50, 47, H::Month, 1},  // edges shared with Iyyar, Av
        {&view, 300, 101, H::Month, 12}, {&view, 301, 80, H::Nothing, 0},
        {&leap, 282, 80, H::Month, 12},  {&leap, 283, 80, H::Month, 13},
        {&view, 78, 2, H::YearBack, 0},  {&view, 126, 16, H::YearBack, 0},
        {&view, 78, 1, H::Nothing, 0},   {&view, 78, 17, H::Nothing, 0},  // outside the header band
        {&view, 77, 8, H::Nothing, 0},   {&view, 127, 8, H::Nothing, 0},  // the year box and gaps
        {&view, 193, 8, H::Nothing, 0},  {&view, 194, 8, H::YearForward, 0},
        {&view, 242, 8, H::YearForward, 0}, {&view, 243, 8, H::Nothing, 0},
        {&bare, 78, 8, H::Nothing, 0},   {&bare, 0, 8, H::Nothing, 0},
        {&view, 185, week(0) - 1, H::Nothing, 0},  // the weekday letters
        {&view, 180, week(0), H::Day, 1},    {&view, 179, week(0), H::Nothing, 0},  // before day 1
        {&view, 259, week(4) + 29, H::Day, 30}, {&view, 260, week(4), H::Nothing, 0},  // after the last
        {&view, 20, week(1), H::Day, 4},     {&view, 19, week(1), H::Nothing, 0},   // the margin
        {&view, 300, week(1), H::Nothing, 0},  // the grid's right border
        {&view, 20, week(5), H::Nothing, 0},   // below the week rows in use
    };
    for (const Case& c : cases) {
        const CalendarTarget target = HitTestCalendar(c.view, c.x, c.y);
        EXPECT_EQ(target.hit, c.hit) << c.x << ", " << c.y;
        EXPECT_EQ(target.value, c.value) << c.x << ", " << c.y;
    }
}

TEST(CalendarView, TheCivilDaysOfTheCellsAndTheCivilMonthsOfTheMonth) {
    const struct {
        HebrewDate day;  // a day of the month on view, and the day to ask for
        int32_t civilDay;
    } cells[] = {
        {{9, 1, 5787}, 11},  {{9, 20, 5787}, 30}, {{9, 21, 5787}, 1},  {{9, 30, 5787}, 10},
        {{12, 1, 5788}, 28}, {{12, 2, 5788}, 29}, {{12, 3, 5788}, 1},  // across a leap day
        {{10, 21, 5787}, 31}, {{10, 22, 5787}, 1},                      // across the civil year
    };
    for (const auto& c : cells) {
        const CalendarView view = OpenedOn(c.day);
        EXPECT_EQ(CivilDayOfCell(&view, c.day.day), c.civilDay) << Shown(c.day);
    }
    const struct {
        HebrewDate month;
        std::u16string span;
    } spans[] = {
        {{9, 1, 5787}, u"Nov \u2013 Dec 2026"},
        {{10, 1, 5787}, u"Dec 2026 \u2013 Jan 2027"},
        {{12, 1, 5788}, u"Feb \u2013 Mar 2028"},
        {{8, 1, 5788}, u"Nov 2027"},  // 1 Cheshvan on 1 November
        {{12, 1, 5785}, u"Mar 2025"},
    };
    for (const auto& c : spans) {
        const CalendarView view = OpenedOn(c.month);
        char16_t span[kCivilSpanUnits];
        FormatCivilSpan(&view, span);
        EXPECT_EQ(std::u16string(span), c.span) << Shown(c.month);
    }
}

