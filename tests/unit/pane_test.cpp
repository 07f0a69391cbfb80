// The pane's geometry, scrolling by lines and pages, and click paging.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "tests/unit/view_test_support.h"
#include "view/paint.h"
#include "view/pane.h"

namespace {

std::vector<int32_t> Box(const ViewFrame& f) { return {f.left, f.top, f.width, f.height}; }

TEST(PaneGeometry, TheCivilDateStandsAtTheStripsEndOrGivesWay) {
    const struct {
        const char* what;
        ViewFrame strip;
        int32_t caption, civil;
        int32_t expected;
    } cases[] = {
        // Caption 0..600 centred: 220..380; the civil date ends 4 in.
        {"room to spare", {0, 380, 600, 16}, 160, 150, 446},
        {"exactly the gap", {0, 380, 600, 16}, 160, 200, 396},
        {"a pixel short of the gap", {0, 380, 600, 16}, 160, 201, -1},
        {"a narrow window", {0, 380, 300, 16}, 160, 150, -1},
        {"the strip elsewhere", {100, 0, 600, 16}, 160, 150, 546},
        {"a caption cut to the strip", {0, 380, 200, 16}, 200, 10, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(CivilDateLeft(c.strip, c.caption, c.civil, 4, 16), c.expected) << c.what;
}

TEST(PaneGeometry, FrameAndCaptionStrip) {
    // Client 600 x 400, toolbar 28, caption font 14 high, gutter 10.
    PaneGeometry g = ComputePaneGeometry(600, 400, 28, 14, 10);
    EXPECT_EQ(Box(g.frame), (std::vector<int32_t>{10, 37, 580, 400 - 20 - 28 - 16}));
    EXPECT_EQ(Box(g.captionStrip), (std::vector<int32_t>{0, 384, 600, 16}));

    g = ComputePaneGeometry(600, 400, 0, 14, 10);  // no toolbar: no overlap
    EXPECT_EQ(g.frame.top, 10);
    EXPECT_EQ(g.frame.height, 400 - 20 - 16);

    g = ComputePaneGeometry(600, 400, 28, 14, 0);
    EXPECT_EQ(Box(g.frame), (std::vector<int32_t>{0, 27, 600, 400 - 28 - 16}));

    // A gutter of at least half the client is not applied in that direction.
    g = ComputePaneGeometry(20, 400, 28, 14, 10);
    EXPECT_EQ(g.frame.left, 0);
    EXPECT_EQ(g.frame.width, 20);
    EXPECT_EQ(g.frame.top, 37);
    g = ComputePaneGeometry(600, 20, 0, 14, 10);
    EXPECT_EQ(g.frame.top, 0);
    EXPECT_EQ(g.frame.height, 20 - 16);
    EXPECT_EQ(Box(g.captionStrip), (std::vector<int32_t>{0, 4, 600, 16}));
    g = ComputePaneGeometry(21, 21, 0, 14, 10);
    EXPECT_EQ(Box(g.frame), (std::vector<int32_t>{10, 10, 1, 1 - 16}));

    g = ComputePaneGeometry(600, 400, 0, 14, -5);  // a negative gutter counts as none
    EXPECT_EQ(g.frame.left, 0);
    EXPECT_EQ(g.frame.width, 600);
}

// 45 visual lines of one height, 20 to the frame: lastTopLine 25.
struct Scrolling : testing::Test {
    ViewFixture f{0, 0, 400, 320};
    void SetUp() override {
        LessonText text;
        for (int i = 0; i < 45; ++i) text.Para(0x01, 0, "line " + std::to_string(i));
        ASSERT_EQ(f.Lay(text), kLayoutDone);
        ASSERT_EQ(f.view->visualLines, 45);
        ASSERT_EQ(f.view->lastTopLine, 25);
        ASSERT_EQ(PaintText(f.view, true), 0);
        ASSERT_EQ(f.view->linesDrawn, 20);
    }
    int PageDown(uint32_t flags) {
        return ScrollBy(f.view, KeyPageStep(flags, f.view->linesDrawn), kRepaintIfMoved, true);
    }
};

TEST_F(Scrolling, PageDownWalksToTheEndAndStops) {
    EXPECT_EQ(PageDown(kDefaultFlags), 0);
    EXPECT_EQ(f.view->topLine, 19);
    EXPECT_EQ(PageDown(kDefaultFlags), 0);
    EXPECT_EQ(f.view->topLine, 38);  // beyond lastTopLine: a short last page
    EXPECT_EQ(f.view->linesDrawn, 7);
    const size_t calls = f.recorder.calls.size();
    EXPECT_EQ(PageDown(kDefaultFlags), kScrollUnchanged);
    EXPECT_EQ(f.view->topLine, 38);
    EXPECT_EQ(f.recorder.calls.size(), calls);  // nothing painted
}

TEST_F(Scrolling, UpwardStepsStopAtTheTop) {
    f.view->topLine = 5;
    EXPECT_EQ(ScrollBy(f.view, -19, kRepaintNever, true), kScrollMovedUnpainted);
    EXPECT_EQ(f.view->topLine, 0);
    EXPECT_EQ(ScrollBy(f.view, -1, kRepaintNever, true), kScrollUnchanged);
    EXPECT_EQ(ScrollBy(f.view, INT32_MIN, kRepaintNever, true), kScrollUnchanged);
}

TEST_F(Scrolling, StepsPastTheEndGoToTheLastScreen) {
    EXPECT_EQ(ScrollBy(f.view, 25 - 0, kRepaintNever, true), kScrollMovedUnpainted);  // thumb at maximum
    EXPECT_EQ(f.view->topLine, 25);
    EXPECT_EQ(ScrollBy(f.view, 1, kRepaintNever, true), kScrollUnchanged);
    f.view->topLine = 10;
    EXPECT_EQ(ScrollBy(f.view, 100, kRepaintNever, true), kScrollMovedUnpainted);
    EXPECT_EQ(f.view->topLine, 25);
    f.view->topLine = 10;
    EXPECT_EQ(ScrollBy(f.view, INT32_MAX, kRepaintNever, false), kScrollMovedUnpainted);
    EXPECT_EQ(f.view->topLine, 25);
    EXPECT_EQ(ScrollBy(nullptr, 1, kRepaintNever, true), kScrollNoView);
}

TEST_F(Scrolling, RepaintModes) {
    f.recorder.calls.clear();
    EXPECT_EQ(ScrollBy(f.view, 0, kRepaintIfMoved, true), kScrollUnchanged);
    EXPECT_TRUE(f.recorder.calls.empty());
    EXPECT_EQ(ScrollBy(f.view, 0, kRepaintAlways, true), 0);
    EXPECT_FALSE(f.recorder.calls.empty());
    EXPECT_EQ(f.recorder.calls[0].kind, DrawKind::Fill);  // painted with erasing
}

TEST(PageSteps, FlagsFields) {
    EXPECT_EQ(KeyPageStep(kDefaultFlags, 20), 19);
    EXPECT_EQ(KeyPageStep(0x00200000, 20), 10);
    EXPECT_EQ(KeyPageStep(0x00400000, 21), 10);
    EXPECT_EQ(KeyPageStep(0x00300000, 20), 19);
    EXPECT_EQ(ClickPageStep(kDefaultFlags, 20), 19);
    EXPECT_EQ(ClickPageStep(0x02000000, 20), 10);
    EXPECT_EQ(ClickPageStep(0x04000000, 7), 3);
    EXPECT_EQ(ClickPageStep(0, 0), 1);  // nothing drawn: one line, made non-negative
    EXPECT_EQ(KeyPageStep(0, 0), -1);
}

TEST(Fitting, ShortLessonNeverScrolls) {
    ViewFixture f(0, 0, 400, 320);
    ASSERT_EQ(f.Lay(LessonText{}.Para(0x81, 0, "one").Para(0x01, 0, "two")), kLayoutDone);
    ASSERT_EQ(PaintText(f.view, false), 0);
    EXPECT_EQ(f.view->lastTopLine, 0);
    EXPECT_EQ(ScrollBy(f.view, 1, kRepaintIfMoved, true), kScrollUnchanged);
    EXPECT_EQ(ScrollBy(f.view, KeyPageStep(kDefaultFlags, f.view->linesDrawn), kRepaintIfMoved, true),
              kScrollUnchanged);
    EXPECT_EQ(f.view->topLine, 0);
}

// Frame 10, 40, 400 x 320 (middle row 200, middle column 210), gutter 10.
struct ClickPaging : testing::Test {
    ViewFixture f{10, 40, 400, 320};
    void SetUp() override {
        LessonText text;
        for (int i = 0; i < 60; ++i) text.Para(0x01, 0, "line");
        ASSERT_EQ(f.Lay(text), kLayoutDone);
        f.view->topLine = 30;
        ASSERT_EQ(PaintText(f.view, false), 0);
    }
    int Click(int32_t x, int32_t y, uint32_t flags = kDefaultFlags) {
        return PageViewOnClick(f.view, x, y, kRepaintIfMoved, flags, 10);
    }
};

TEST_F(ClickPaging, UpperAndLowerHalves) {
    EXPECT_EQ(Click(100, 199), 1);
    EXPECT_EQ(f.view->topLine, 11);
    EXPECT_EQ(Click(100, 200), 1);
    EXPECT_EQ(f.view->topLine, 30);
}

TEST_F(ClickPaging, GutterIsPartOfThePane) {
    EXPECT_EQ(Click(0, 30), 1);  // 10 pixels left of and above the frame
    EXPECT_EQ(f.view->topLine, 11);
    EXPECT_EQ(Click(420, 370), 1);  // 10 pixels right of and below
    EXPECT_EQ(f.view->topLine, 30);
    EXPECT_EQ(Click(-1, 100), 0);
    EXPECT_EQ(Click(421, 100), 0);
    EXPECT_EQ(Click(100, 29), 0);
    EXPECT_EQ(Click(100, 371), 0);
    EXPECT_EQ(f.view->topLine, 30);
}

TEST_F(ClickPaging, LeftAndRightHalvesAndSwitchedOff) {
    const uint32_t columns = kDefaultFlags & ~kFlagClickSplitsRows;
    EXPECT_EQ(Click(209, 300, columns), 1);
    EXPECT_EQ(f.view->topLine, 11);
    EXPECT_EQ(Click(210, 50, columns), 1);
    EXPECT_EQ(f.view->topLine, 30);
    EXPECT_EQ(Click(100, 100, kDefaultFlags & ~kFlagClickPaging), 0);
    EXPECT_EQ(f.view->topLine, 30);
    EXPECT_EQ(PageViewOnClick(nullptr, 100, 100, kRepaintIfMoved, kDefaultFlags, 10), 0);
}

TEST_F(ClickPaging, HitTestGrowsTheFrameByTheGutterGiven) {
    EXPECT_EQ(HitTestPaneFrame(f.view, 7, 100, 3), 1);
    EXPECT_EQ(HitTestPaneFrame(f.view, 6, 100, 3), 0);
    EXPECT_EQ(HitTestPaneFrame(f.view, 10, 100, 0), 1);
    EXPECT_EQ(HitTestPaneFrame(f.view, 9, 100, 0), 0);
}

}  // namespace
