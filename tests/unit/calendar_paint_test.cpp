// Drawing the calendar dialog on the recording surface: the order of the
// passes, what is highlighted, and the repairs after a change of year or of
// the number of weeks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/calendar_paint.h"
#include "tests/unit/recording_surface.h"

namespace {

// A calendar opened on `start`, laid out on a 320 x 320 client and drawn.
// Fonts: 0 the device context's own, 1 the calendar's, 2 the dialog's. Text
// is 8 pixels a byte.
struct RecordedCalendar {
    Recorder recorder;
    CalendarView view{};

    explicit RecordedCalendar(HebrewDate start) {
        recorder.cellHeightByRequest[kCalendarFontHeight] = kCalendarFontHeight;
        DrawingSurface surface = recorder.surface();
        surface.ops->selectFont(surface.handle, surface.ops->createFont(surface.handle, u"System", 0, 0));
        view.font = surface.ops->createFont(surface.handle, u"", kCalendarFontHeight, kCalendarFontWeight);
        view.labelFont = surface.ops->createFont(surface.handle, u"System", 8, 0);
        SetCalendarView(&view, AbsoluteFromHebrew(start), true);
        AttachCalendarSurface(&view, surface, {0, 0, 320, 320});
        DrawCalendar(&view);
    }
    RecordedCalendar(const RecordedCalendar&) = delete;
    RecordedCalendar& operator=(const RecordedCalendar&) = delete;

    // From now on only what comes next.
    const std::vector<DrawCall>& Next(void (*step)(CalendarView*)) {
        recorder.calls.clear();
        step(&view);
        return recorder.calls;
    }
};

// One letter a call: B a plain box, I an inverse one, T text, F a fill.
std::string Shape(const std::vector<DrawCall>& calls) {
    std::string shape;
    for (const DrawCall& call : calls) {
        switch (call.kind) {
        case DrawKind::Box: shape += call.brush == kBlackBrush ? 'I' : 'B'; break;
        case DrawKind::Text: shape += 'T'; break;
        case DrawKind::Fill: shape += 'F'; break;
        case DrawKind::Rule: shape += 'R'; break;
        }
    }
    return shape;
}

std::string Repeat(const std::string& part, int times) {
    std::string whole;
    for (int i = 0; i < times; ++i) whole += part;
    return whole;
}

std::vector<int32_t> Where(const DrawCall& call) { return {call.x, call.y, call.w, call.h}; }

std::vector<std::vector<int32_t>> FillsWith(const std::vector<DrawCall>& calls, int brush) {
    std::vector<std::vector<int32_t>> fills;
    for (const DrawCall& call : calls) {
        if (call.kind == DrawKind::Fill && call.brush == brush) fills.push_back(Where(call));
    }
    return fills;
}

constexpr HebrewDate kTishrei15{7, 15, 5785};  // from a Thursday, 30 days, common year

}  // namespace

TEST(CalendarPaint, TheFirstPassDrawsEverythingInOrder) {
    RecordedCalendar c(kTishrei15);
    const std::vector<DrawCall>& calls = c.recorder.calls;
    // Twelve buttons; weekday row and five weeks; letters and days; the
    // month on view; the marked day; year box and two arrows.
    EXPECT_EQ(Shape(calls), Repeat("BT", 12) + Repeat("B", 42) + Repeat("T", 37) + "IT" + "FT" +
                                Repeat("FT", 3));
    EXPECT_EQ(calls[1].text, "Nissan");
    EXPECT_EQ(calls[1].font, 2);
    EXPECT_EQ(Where(calls[0]), (std::vector<int32_t>{21, 21, 68, 25}));
    EXPECT_EQ(Where(calls[24]), (std::vector<int32_t>{20, 107, 41, 31}));  // top-left grid cell
    const DrawCall& sunday = calls[66];
    EXPECT_EQ(sunday.text, "S");
    EXPECT_EQ(sunday.font, 1);
    EXPECT_EQ(Where(sunday), (std::vector<int32_t>{21, 108, 38, 28}));
    const DrawCall& first = calls[73];
    EXPECT_EQ(first.text, "1 ");
    EXPECT_EQ(Where(first), (std::vector<int32_t>{181, 138, 38, 28}));  // Thursday, first week

    const DrawCall& tishrei = calls[103];
    EXPECT_EQ(Where(tishrei), (std::vector<int32_t>{161, 48, 68, 25}));
    EXPECT_EQ(calls[104].text, "Tishrei");
    EXPECT_EQ(calls[104].font, 2);
    EXPECT_EQ(calls[104].textColour, kColourWhite);
    EXPECT_EQ(calls[104].backColour, kColourBlack);
    // The 15th: Thursday of the third week.
    EXPECT_EQ(Where(calls[105]), (std::vector<int32_t>{181, 198, 39, 29}));
    EXPECT_EQ(calls[105].brush, kBlackBrush);
    EXPECT_EQ(calls[106].text, "15");
    EXPECT_EQ(calls[106].textColour, kColourWhite);
    EXPECT_EQ(calls[106].font, 1);

    // " 5785 " is 48 pixels, centred; the arrows 10 pixels off each side.
    EXPECT_EQ(Where(calls[107]), (std::vector<int32_t>{135, 1, 50, 16}));
    EXPECT_EQ(calls[108].text, " 5785 ");
    EXPECT_EQ(calls[108].font, 1);
    EXPECT_EQ(calls[110].text, "  <<  ");
    EXPECT_EQ(calls[110].x, 78);
    EXPECT_EQ(calls[112].text, "  >>  ");
    EXPECT_EQ(calls[112].x, 194);
    EXPECT_EQ(c.view.headerPlace.arrowWidth, 48);

    EXPECT_EQ(c.view.redraw, 0);
    EXPECT_EQ(c.view.weekRows, 5);
    EXPECT_EQ(c.recorder.selected, 0);
    EXPECT_EQ(c.recorder.textColour, kColourBlack);
}

TEST(CalendarPaint, APlainRepaintDrawsOnlyTheGridAndTheHighlights) {
    RecordedCalendar c(kTishrei15);
    EXPECT_EQ(Shape(c.Next(DrawCalendar)), Repeat("B", 42) + Repeat("T", 37) + "IT" + "FT");
}

TEST(CalendarPaint, TheMarkedDayIsHighlightedOnlyInItsMonth) {
    RecordedCalendar c(kTishrei15);
    // Black fills below the header: highlighted day cells.
    const auto dayHighlights = [](const std::vector<DrawCall>& calls) {
        std::vector<std::vector<int32_t>> cells;
        for (const std::vector<int32_t>& fill : FillsWith(calls, kBlackBrush)) {
            if (fill[1] > 107) cells.push_back(fill);
        }
        return cells;
    };
    const std::vector<DrawCall>& cheshvan = c.Next([](CalendarView* v) { NavigateCalendarByKey(v, kKeyRight); });
    EXPECT_TRUE(dayHighlights(cheshvan).empty());
    EXPECT_EQ(Shape(cheshvan).find('I'), Shape(cheshvan).rfind('I'));
    EXPECT_EQ(cheshvan[Shape(cheshvan).find('I') + 1].text, "Cheshvan");
    EXPECT_EQ(dayHighlights(c.Next([](CalendarView* v) { NavigateCalendarByKey(v, kKeyLeft); })),
              (std::vector<std::vector<int32_t>>{{181, 198, 39, 29}}));
    EXPECT_TRUE(dayHighlights(c.Next([](CalendarView* v) { StepCalendarYear(v, 1); })).empty());
}

TEST(CalendarPaint, ChangesOfYearAndOfWeeksRepairWhatWasDrawn) {
    struct Case {
        const char* what;
        HebrewDate start;
        void (*move)(CalendarView*);
        std::vector<std::vector<int32_t>> faceFills;
        bool stripFirst;  // the fill between "Adar I" and "II" comes before the buttons
        int gridBoxes;
    } const cases[] = {
        {"common to leap", {12, 5, 5767}, [](CalendarView* v) { NavigateCalendarByKey(v, kKeyPageDown); },
         {{281, 75, 2, 25}}, true, 42},
        {"leap to common", {12, 5, 5768}, [](CalendarView* v) { NavigateCalendarByKey(v, kKeyPageDown); },
         {}, false, 42},
        {"six weeks to five", {5, 1, 5781}, [](CalendarView* v) { NavigateCalendarByKey(v, kKeyRight); },
         {{20, 288, 281, 30}}, false, 42},
        {"five weeks to six", {4, 1, 5781}, [](CalendarView* v) { NavigateCalendarByKey(v, kKeyRight); },
         {}, false, 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedCalendar calendar(c.start);
        const std::vector<DrawCall>& calls = calendar.Next(c.move);
        EXPECT_EQ(FillsWith(calls, kDialogFaceBrush), c.faceFills);
        const std::string shape = Shape(calls);
        const int buttons = calendar.view.leap ? 13 : 12;
        EXPECT_EQ(shape.substr(0, c.stripFirst ? 1 : 0), c.stripFirst ? "F" : "");
        EXPECT_EQ(shape.substr(c.stripFirst ? 1 : 0, 2 * buttons), Repeat("BT", buttons));
        EXPECT_EQ(static_cast<int>(std::count(shape.begin(), shape.end(), 'B')), buttons + c.gridBoxes);
    }
}

TEST(CalendarPaint, TheArrowsStayWhileTheYearGrowsADigit) {
    RecordedCalendar c({7, 1, 9999});
    const std::vector<DrawCall>& calls = c.Next([](CalendarView* v) { StepCalendarYear(v, 1); });
    std::vector<std::string> header;
    std::vector<int32_t> xs;
    for (const DrawCall& call : calls) {
        if (call.kind == DrawKind::Text && call.y == 2) {
            header.push_back(call.text);
            xs.push_back(call.x);
        }
    }
    EXPECT_EQ(header, (std::vector<std::string>{" 10000 ", "  <<  ", "  >>  "}));
    EXPECT_EQ(xs, (std::vector<int32_t>{132, 78, 194}));
}

TEST(CalendarPaint, APickRedrawsTheTwoCells) {
    RecordedCalendar c(kTishrei15);
    const std::vector<DrawCall>& calls =
        c.Next([](CalendarView* v) { ASSERT_EQ(PickCalendarDay(v, 20), 20); });
    ASSERT_EQ(Shape(calls), "FTFT");
    EXPECT_EQ(calls[0].brush, kWhiteBrush);
    EXPECT_EQ(calls[1].text, "15");
    EXPECT_EQ(calls[1].textColour, kColourBlack);
    EXPECT_EQ(Where(calls[2]), (std::vector<int32_t>{101, 228, 39, 29}));  // Tuesday of the fourth week
    EXPECT_EQ(calls[2].brush, kBlackBrush);
    EXPECT_EQ(calls[3].text, "20");
    EXPECT_EQ(calls[3].textColour, kColourWhite);
}
