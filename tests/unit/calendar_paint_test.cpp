// Drawing the calendar dialog on the recording surface: the order of the
// passes, what is highlighted, and the repairs after a change of year or of
// the number of weeks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/calendar_paint.h"
#include "dialogs/calendar_view.h"
#include "tests/unit/recording_surface.h"

namespace {

using Box = std::vector<int32_t>;  // x, y, width, height

// A calendar opened on `start`, laid out on a 320 x 320 client and drawn.
// Fonts: 0 the device context's own, 1 the calendar's, 2 the dialog's. Text
// is 8 pixels a byte.
struct RecordedCalendar {
    Recorder recorder;
    CalendarView view{};

    explicit RecordedCalendar(HebrewDate start, const Palette* palette = nullptr) {
        recorder.cellHeightByRequest[kCalendarFontHeight] = kCalendarFontHeight;
        DrawingSurface surface = recorder.surface();
        surface.palette = palette;
        surface.ops->selectFont(surface.handle, surface.ops->createFont(surface.handle, u"System", 0, 0));
        view.font = surface.ops->createFont(surface.handle, u"", kCalendarFontHeight, kCalendarFontWeight);
        view.labelFont = surface.ops->createFont(surface.handle, u"System", 8, 0);
        SetCalendarView(&view, AbsoluteFromHebrew(start), true);
        AttachCalendarSurface(&view, surface, {0, 0, 320, 320});
        DrawCalendar(&view);
    }
    // The calls of `step` alone.
    const std::vector<DrawCall>& Next(void (*step)(CalendarView*)) {
        recorder.calls.clear();
        step(&view);
        return recorder.calls;
    }
};

// A letter a call: B a plain box, I an inverse one, T text, F a fill.
std::string Shape(const std::vector<DrawCall>& calls) {
    std::string shape;
    for (const DrawCall& call : calls) {
        shape += call.kind == DrawKind::Box ? (call.brush == kBlackBrush ? 'I' : 'B')
                                            : call.kind == DrawKind::Text ? 'T' : 'F';
    }
    return shape;
}

std::string Repeat(const std::string& part, int times) {
    std::string whole;
    while (times-- > 0) whole += part;
    return whole;
}

Box Where(const DrawCall& call) { return {call.x, call.y, call.w, call.h}; }

// Fills with `brush` from y = `top` down.
std::vector<Box> Fills(const std::vector<DrawCall>& calls, int brush, int32_t top = 0) {
    std::vector<Box> fills;
    for (const DrawCall& call : calls) {
        if (call.kind == DrawKind::Fill && call.brush == brush && call.y >= top) fills.push_back(Where(call));
    }
    return fills;
}

constexpr HebrewDate kTishrei15{7, 15, 5785};  // from a Thursday, 30 days, common year
constexpr int32_t kGridTop = 107;

}  // namespace

TEST(CalendarPaint, TheFirstPassDrawsEverythingInOrder) {
    RecordedCalendar c(kTishrei15);
    const std::vector<DrawCall>& calls = c.recorder.calls;
    // Twelve buttons; weekday row and five weeks; letters and days; the
    // month on view; the marked day; year box and two arrows.
    ASSERT_EQ(Shape(calls), Repeat("BT", 12) + Repeat("B", 42) + Repeat("T", 37) + "IT" + "FT" + Repeat("FT", 3));
    EXPECT_EQ(Where(calls[0]), (Box{21, 21, 68, 25}));
    EXPECT_EQ(Where(calls[24]), (Box{20, 107, 41, 31}));  // cells share their border lines
    EXPECT_EQ(Where(calls[73]), (Box{181, 138, 38, 28}));  // day 1, Thursday
    EXPECT_EQ(Where(calls[103]), (Box{161, 48, 68, 25}));  // Tishrei
    EXPECT_EQ(Where(calls[105]), (Box{181, 198, 39, 29}));  // the 15th
    EXPECT_EQ(Where(calls[107]), (Box{135, 1, 50, 16}));  // " 5785 ", 48 wide, centred
    const auto text = [&](size_t i) {
        return calls[i].text + "/" + std::to_string(calls[i].font) + "/" + std::to_string(calls[i].textColour);
    };
    const std::string white = std::to_string(kColourWhite);
    EXPECT_EQ((std::vector<std::string>{text(1), text(66), text(73), text(104), text(106), text(108)}),
              (std::vector<std::string>{"Nissan/2/0", "S/1/0", "1 /1/0", "Tishrei/2/" + white,
                                        "15/1/" + white, " 5785 /1/0"}));
    EXPECT_EQ((std::vector<int32_t>{calls[110].x, calls[112].x}), (std::vector<int32_t>{78, 194}));
    EXPECT_EQ((std::vector<int>{c.view.redraw, c.view.weekRows, c.recorder.selected}), (std::vector<int>{0, 5, 0}));
    EXPECT_EQ(Shape(c.Next(DrawCalendar)), Repeat("B", 42) + Repeat("T", 37) + "IT" + "FT");  // a plain repaint
}

TEST(CalendarPaint, TheMarkedDayIsHighlightedOnlyInItsMonthAndYear) {
    RecordedCalendar c(kTishrei15);
    const std::vector<DrawCall>& cheshvan = c.Next([](CalendarView* v) { NavigateCalendarByKey(v, kKeyRight); });
    EXPECT_TRUE(Fills(cheshvan, kBlackBrush, kGridTop).empty());
    const std::string shape = Shape(cheshvan);
    ASSERT_EQ(shape.find('I'), shape.rfind('I'));
    EXPECT_EQ(cheshvan[shape.find('I') + 1].text, "Cheshvan");
    EXPECT_EQ(Fills(c.Next([](CalendarView* v) { NavigateCalendarByKey(v, kKeyLeft); }), kBlackBrush, kGridTop),
              (std::vector<Box>{{181, 198, 39, 29}}));
    EXPECT_TRUE(Fills(c.Next([](CalendarView* v) { StepCalendarYear(v, 1); }), kBlackBrush, kGridTop).empty());
}

TEST(CalendarPaint, ChangesOfYearAndOfWeeksRepairWhatWasDrawn) {
    struct Case {
        HebrewDate start;
        unsigned key;
        std::vector<Box> faceFills;
        int gridBoxes;
    } const cases[] = {
        {{12, 5, 5767}, kKeyPageDown, {{281, 75, 2, 25}}, 42},  // into a leap year: the split shows
        {{12, 5, 5768}, kKeyPageDown, {}, 42},
        {{5, 1, 5781}, kKeyRight, {{20, 288, 281, 30}}, 42},  // six weeks to five
        {{4, 1, 5781}, kKeyRight, {}, 49},                    // five to six
    };
    for (const Case& c : cases) {
        RecordedCalendar calendar(c.start);
        calendar.recorder.calls.clear();
        NavigateCalendarByKey(&calendar.view, c.key);
        const std::vector<DrawCall>& calls = calendar.recorder.calls;
        SCOPED_TRACE(c.gridBoxes);
        EXPECT_EQ(Fills(calls, kDialogFaceBrush), c.faceFills);
        const int buttons = calendar.view.leap ? 13 : 12;
        const std::string shape = Shape(calls);
        const size_t stripFirst = buttons == 13 ? 1 : 0;
        EXPECT_EQ(shape.substr(stripFirst, 2 * buttons), Repeat("BT", buttons));
        EXPECT_EQ(std::count(shape.begin(), shape.end(), 'B'), buttons + c.gridBoxes);
    }
}

TEST(CalendarPaint, TheArrowsStayWhileTheYearGrowsADigit) {
    RecordedCalendar c({7, 1, 9999});
    std::vector<std::string> header;
    for (const DrawCall& call : c.Next([](CalendarView* v) { StepCalendarYear(v, 1); })) {
        if (call.kind == DrawKind::Text && call.y == 2) header.push_back(call.text + std::to_string(call.x));
    }
    EXPECT_EQ(header, (std::vector<std::string>{" 10000 132", "  <<  78", "  >>  194"}));
}

// High contrast: boxes, cells, frames and labels in the window's colours, the
// month and day on view in the highlight's, the repairs in the face colour;
// no stock brush, box or rule keeps its fixed colour.
TEST(CalendarPaint, InTheSystemsColoursEveryPartTakesTheColourOfItsRole) {
    const SystemColours& system = kTestSystemColours;
    RecordedCalendar c(kTishrei15, &kTestSystemPalette);
    EXPECT_EQ(ColoursDrawn(c.recorder.calls),
              (std::set<uint32_t>{system.window, system.windowText, system.highlight, system.highlightText}));
    bool dayMarked = false;
    for (const DrawCall& call : c.recorder.calls) {
        dayMarked |= call.kind == DrawKind::ColourFill && call.fill == system.highlight && Where(call) == Box{181, 198, 39, 29};
    }
    EXPECT_TRUE(dayMarked) << "the 15th's cell";
    RecordedCalendar sixWeeks({5, 1, 5781}, &kTestSystemPalette);
    sixWeeks.recorder.calls.clear();
    NavigateCalendarByKey(&sixWeeks.view, kKeyRight);  // six weeks to five: the sixth row is cleared
    const std::set<uint32_t> repaired = ColoursDrawn(sixWeeks.recorder.calls);
    EXPECT_EQ(repaired.count(system.buttonFace), 1u);
    EXPECT_EQ(repaired.count(kFixedColours), 0u);
}

// With a font of their own the civil dates stand in grey: each day's in the
// top right corner of its cell, the month's civil months framed at the
// header's right end when there is room beside the right arrow.
TEST(CalendarPaint, TheCivilDatesStandBesideTheHebrewOnes) {
    for (const int32_t width : {480, 320}) {
        Recorder recorder;
        DrawingSurface surface = recorder.surface();
        CalendarView view{};
        view.font = surface.ops->createFont(surface.handle, u"", kCalendarFontHeight, kCalendarFontWeight);
        view.civilFont = surface.ops->createFont(surface.handle, u"", kCalendarCivilFontHeight, 400);
        SetCalendarView(&view, AbsoluteFromHebrew({9, 28, 5787}), true);  // Kislev: 11 November on
        AttachCalendarSurface(&view, surface, {0, 0, width, 320});
        DrawCalendar(&view);
        std::vector<std::string> civil;
        std::string span;
        for (const DrawCall& call : recorder.calls) {
            if (call.kind != DrawKind::Text || call.font != 1) continue;  // the civil font
            if (call.y < view.layout.gridTop) {
                span = call.text;
            } else if (call.textColour == Rgb(128, 128, 128) || call.textColour == Rgb(192, 192, 192)) {
                civil.push_back(call.text);
            }
        }
        SCOPED_TRACE(width);
        ASSERT_EQ(civil.size(), 31u) << "thirty days, the marked one twice";
        EXPECT_EQ(civil.front(), "11");
        EXPECT_EQ(civil[19], "30");
        EXPECT_EQ(civil[20], "1");
        EXPECT_EQ(civil.back(), "8") << "the marked 28th, drawn again highlighted";
        EXPECT_EQ(span, width == 480 ? "Nov \x13 Dec 2026" : "") << "only where it clears the arrow";
    }
}

