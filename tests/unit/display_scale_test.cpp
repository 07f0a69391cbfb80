// Drawing at a larger display scale: the scaling functions, and the view's
// layout, fonts and rules, the search box and the calendar on a surface whose
// window is at 120, 144 or 192 pixels per inch. At 96 everything stays
// exactly as on a surface with no screen resolution at all.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/calendar_layout.h"
#include "dialogs/calendar_paint.h"
#include "dialogs/search_box.h"
#include "tests/unit/view_test_support.h"
#include "view/display_scale.h"
#include "view/paint.h"
#include "view/pane.h"
#include "view/view_fonts.h"

namespace {

TEST(DisplayScale, FunctionsAtEachResolution) {
    const struct {
        int32_t dpi;
        int32_t caption14, gutter10, gap2, indent63, rule160;  // sizes given at 96
        int32_t line, drawnScale, defaultCell16;
    } cases[] = {
        {96, 14, 10, 2, 63, 160, 1, 0, 0},    // as given; the mapper keeps its default
        {120, 18, 13, 3, 79, 200, 1, 1, 20},  // halves round up; 125 % takes the 150 % images
        {144, 21, 15, 3, 95, 240, 1, 1, 24},
        {192, 28, 20, 4, 126, 320, 2, 2, 32},
        {168, 25, 18, 4, 110, 280, 1, 2, 28},  // 175 %: halfway, the larger images
        {288, 42, 30, 6, 189, 480, 3, 2, 48},  // beyond 200 %: the largest drawn
        {72, 11, 8, 2, 47, 120, 1, 0, 0},      // below 96 the mapper keeps its default
        {0, 14, 10, 2, 63, 160, 1, 0, 0},      // no screen resolution: as given
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ((std::vector<int32_t>{ScaleToDpi(14, c.dpi), ScaleToDpi(10, c.dpi), ScaleToDpi(2, c.dpi),
                                        ScaleToDpi(63, c.dpi), ScaleToDpi(160, c.dpi)}),
                  (std::vector<int32_t>{c.caption14, c.gutter10, c.gap2, c.indent63, c.rule160}));
        EXPECT_EQ(LineWidthForDpi(c.dpi), c.line);
        EXPECT_EQ(NearestDrawnScale(c.dpi), c.drawnScale);
        EXPECT_EQ(DefaultFontCellHeight(16, c.dpi), c.defaultCell16);
    }
    // Rounded half away from zero, as MulDiv; the nearest drawn scale just
    // either side of its middle.
    EXPECT_EQ(ScaleToDpi(1, 144), 2);
    EXPECT_EQ(ScaleToDpi(-3, 144), -5);
    EXPECT_EQ(ScaleToDpi(0x7FFFFFFF, 96), 0x7FFFFFFF);
    EXPECT_EQ(NearestDrawnScale(119), 0);
    EXPECT_EQ(NearestDrawnScale(167), 1);
}

// One lesson laid out on two views of one width, the second's window at
// `dpi`: indents, labels and rules.
struct ScaledLayouts {
    ViewFixture plain{0, 0, 600, 2000};
    ViewFixture scaled{0, 0, 600, 2000};
    explicit ScaledLayouts(int32_t dpi) {
        scaled.surface.dpi = dpi;
        const LessonText text = LessonText{}
                                    .Para(0x81, 12, "indented")
                                    .Para(0x81, 0x40 | 20, "1. labelled")
                                    .Para(0x81, 0x40 | 30, " continued")
                                    .Para(0x47, 100, "")   // a centred rule of 100 pixels
                                    .Para(0x47, 0xAC, "")  // a centred rule of 24 percent
                                    .Para(0x21, 8, "right");
        EXPECT_EQ(plain.Lay(text), kLayoutDone);
        EXPECT_EQ(scaled.Lay(text), kLayoutDone);
    }
};

std::vector<int32_t> Xs(const ViewFixture& f) {
    std::vector<int32_t> xs;
    for (int i = 0; i < f.view->lineCount; ++i) xs.push_back(f.Line(i).x);
    return xs;
}

TEST(ScaledView, IndentsAndPixelRulesGrowPercentRulesAndLabelsFollowTheirFrameAndFont) {
    ScaledLayouts at96(96);
    EXPECT_EQ(Xs(at96.scaled), Xs(at96.plain));
    EXPECT_EQ(at96.scaled.Line(3).width, 100);

    ScaledLayouts at144(144);
    ASSERT_EQ(at144.scaled.view->lineCount, 6);
    // Indent 12 -> 18; indent 20 -> 30 and the label column, which follows
    // the font (8 here); the continuation keeps that text column moved by
    // the scaled change of indent (10 -> 15); a pixel rule 100 -> 150,
    // centred; 24 percent of 600 either way; right-aligned text 8 -> 12 in.
    EXPECT_EQ(Xs(at144.scaled), (std::vector<int32_t>{18, 38, 53, 225, 228, 600 - 12 - 40}));
    EXPECT_EQ(at144.scaled.Line(3).width, 150);
    EXPECT_EQ(at144.scaled.Line(4).width, at144.plain.Line(4).width);
}

TEST(ScaledView, FontsAreSizedForTheWindowAndTheDefaultHeightIsScaled) {
    const struct {
        int32_t surfaceDpi;  // the window's; 0 on paper
        int32_t deviceDpi;   // the device's own resolution (LOGPIXELSY)
        int32_t fontSize;
        std::vector<int32_t> heights;  // every font made, in order: regular, large
    } cases[] = {
        {0, 96, 0, {0, -27}},            // today's screen: the mapper's default
        {96, 96, 0, {0, -27}},           // the same at 100 %
        {144, 96, 0, {0, 24, -40}},      // the default measured (16) and scaled; 20 points
        {192, 144, 12, {-32, -40}},      // the window's resolution wins over the device's
        {0, 300, 0, {0, -83}},           // paper: untouched
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.surfaceDpi);
        ViewFixture f(0, 0, 400, 400);
        f.surface.dpi = c.surfaceDpi;
        f.recorder.dpi = c.deviceDpi;
        f.view->font.FontSize = c.fontSize;
        SelectStyleFont(f.view, kRegularKey);
        SelectStyleFont(f.view, kStyleLarge);
        std::vector<int32_t> heights;
        for (const RecordedFont& font : f.recorder.fonts) heights.push_back(font.height);
        EXPECT_EQ(heights, c.heights);
        // The probe for the mapper's default is deleted at once.
        EXPECT_EQ(f.recorder.liveFonts(), 2);
    }
}

TEST(ScaledView, RulesAreWholeLinesThick) {
    for (const auto& c : {std::pair<int32_t, int32_t>{96, 1}, {144, 1}, {192, 2}}) {
        ViewFixture f(0, 0, 400, 400);
        f.surface.dpi = c.first;
        ASSERT_EQ(f.Lay(LessonText{}.Para(0x01, 0, "text").Para(0x07, 50, "")), kLayoutDone);
        f.recorder.calls.clear();
        ASSERT_EQ(PaintText(f.view, false), 0);
        const DrawCall& rule = f.recorder.calls.back();
        ASSERT_EQ(rule.kind, DrawKind::Rule);
        EXPECT_EQ(rule.h, c.second) << c.first;
        EXPECT_EQ(rule.y, 16 + 8) << "from the middle of the rule's line, at every scale";
    }
}

TEST(ScaledView, TheSearchBoxGrowsItsRingsAndRoom) {
    ViewFixture f(10, 20, 400, 300);
    f.surface.dpi = 192;
    ASSERT_EQ(f.Lay(LessonText{}.Para(kStyleTitle, 0, "Purim")), kLayoutDone);
    f.recorder.calls.clear();
    DrawSearchContextBox(f.view);
    std::vector<std::vector<int32_t>> fills;
    int32_t textX = 0, textY = 0;
    for (const DrawCall& call : f.recorder.calls) {
        if (call.kind == DrawKind::ColourFill) fills.push_back({call.x, call.y, call.w, call.h});
        if (call.kind == DrawKind::Text) textX = call.x, textY = call.y;
    }
    // Text 40 wide, lines 16 high: 40 + 2 * 16 + 16 across, 16 + 24 down
    // to 4 above the frame's bottom (320); rings 2 pixels each.
    ASSERT_EQ(fills.size(), 6u);
    EXPECT_EQ(fills[0], (std::vector<int32_t>{166, 280, 88, 36}));
    EXPECT_EQ(fills[1], (std::vector<int32_t>{168, 282, 84, 32}));
    EXPECT_EQ(fills[5], (std::vector<int32_t>{176, 290, 68, 16}));
    EXPECT_EQ(textX, 176 + (68 - 40) / 2);
    EXPECT_EQ(textY, 290);
}

TEST(ScaledView, TheCalendarGapsFollowTheDialogsResolution) {
    const EdgeRect client{0, 0, 480, 480};
    const CalendarLayout at96 = ComputeCalendarLayout(client, 21, 96);
    const CalendarLayout at144 = ComputeCalendarLayout(client, 21, 144);
    EXPECT_EQ((std::vector<int32_t>{at96.headerTop, at96.monthTop, at96.monthHeight}),
              (std::vector<int32_t>{2, 27, (160 - 27 - 4) / 3}));
    EXPECT_EQ((std::vector<int32_t>{at144.headerTop, at144.monthTop, at144.monthHeight}),
              (std::vector<int32_t>{3, 30, (160 - 30 - 6) / 3}));
    EXPECT_EQ(at144.cellWidth, at96.cellWidth) << "cells follow the client, not the scale";

    Recorder recorder;
    DrawingSurface surface = recorder.surface();
    surface.dpi = 144;
    const CalendarHeader header = PlaceCalendarHeader(&surface, 5787, 480);
    // " 5787 " is 48 wide from x 216; "  <<  " 48 wide; gaps of 15.
    EXPECT_EQ((std::vector<int32_t>{header.leftArrowX, header.rightArrowX, header.arrowWidth}),
              (std::vector<int32_t>{216 - 48 - 15, 216 + 48 + 15, 48}));
}

TEST(ScaledView, TheTopLineStaysInViewWhenTheTextIsLaidOutAgainLarger) {
    std::string body;
    for (int word = 0; word < 120; ++word) body += "word" + std::to_string(word) + " ";
    const struct {
        uint16_t topLine;
    } cases[] = {{1}, {7}, {12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.topLine);
        ViewFixture f(0, 0, 300, 200);
        ASSERT_EQ(f.Lay(LessonText{}.Para(0x81, 0, body).Para(0x81, 0, body)), kLayoutDone);
        f.view->topLine = c.topLine;
        const uint32_t offset = TopTextOffset(f.view);
        ASSERT_NE(offset, 0u);

        f.recorder.charWidth = 12;  // the font at 150 %
        f.surface.dpi = 144;
        ASSERT_EQ(SetViewFont(f.view, &f.view->font), 0);
        ASSERT_EQ(LayoutText(f.view, f.view->text, false), kLayoutDone);
        ASSERT_EQ(ScrollToTextOffset(f.view, offset), 1);
        // The byte that was first at the top is on the top line now.
        const uint32_t top = TopTextOffset(f.view);
        const TextLine* line = f.view->lines;
        while (line->style != 0 && line->start != top) ++line;
        ASSERT_NE(line->style, 0);
        EXPECT_LE(line->start, offset);
        EXPECT_GE(line->start + line->length, offset);
        EXPECT_GE(f.view->topLine, c.topLine) << "the larger text takes more lines above it";
    }
    // A top line on the blank line after a paragraph: the next paragraph's
    // first byte.
    ViewFixture f(0, 0, 300, 200);
    const LessonText text = LessonText{}.Para(0x81, 0, "one").Para(0x01, 0, "two");
    ASSERT_EQ(f.Lay(text), kLayoutDone);
    f.view->topLine = 1;
    EXPECT_EQ(TopTextOffset(f.view), text.bytes.find("two"));
    f.view->topLine = 9;
    EXPECT_EQ(TopTextOffset(f.view), 0u) << "past the end: none";
}

}  // namespace
