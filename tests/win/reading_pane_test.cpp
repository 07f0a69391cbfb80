// The reading pane in a real window: opened with a lesson from Varidel.exe's
// own resources, fitted to the window, scrolled by clicks, painted with its
// caption strip; the warnings when a lesson cannot be loaded at the start or
// fetched for another day; and the keys the window leaves alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/day_navigation_win32.h"
#include "app/main_window_win32.h"
#include "app/reading_pane_win32.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_platform_win32.h"
#include "tests/default_face_metrics_win32.h"
#include "tests/win/pane_window_test.h"
#include "view/display_scale.h"
#include "view/gdi_surface_win32.h"

namespace {

// Answers the first message box with the caption given, keeping its text
// and its owner.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(const wchar_t* caption)
        : thread_([this, caption] {
              for (int tries = 0; tries < 2000 && !stop_; ++tries) {
                  HWND box = FindWindowW(L"#32770", caption);
                  if (box != nullptr) {
                      wchar_t text[128] = {};
                      GetDlgItemTextW(box, 0xFFFF, text, 128);
                      text_ = text;
                      owner_ = GetWindow(box, GW_OWNER);
                      PostMessageW(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  Sleep(10);
              }
          }) {}
    ~MessageBoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    std::wstring Text() {
        stop_ = true;
        thread_.join();
        thread_ = std::thread([] {});
        return text_;
    }
    HWND Owner() const { return owner_; }

private:
    std::atomic<bool> stop_{false};
    std::wstring text_;
    HWND owner_ = nullptr;
    std::thread thread_;
};

class ReadingPaneTest : public PaneWindowTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(PaneWindowTest::SetUp());
        g_app.Lesson = MakeLessonKey(7, 1);
        std::strcpy(g_app.caption, "1 Tishrei, 5787");
        g_app.captionLength = static_cast<int32_t>(std::strlen(g_app.caption));
        ASSERT_NO_FATAL_FAILURE(OpenWindow(400));
        RECT client{};
        GetClientRect(window_, &client);
        clientWidth_ = client.right;
        clientHeight_ = client.bottom;
    }
    void TearDown() override {
        CloseReadingPane(window_);
        DestroyTextView(g_app.pane, true);
        g_app.pane = nullptr;
        DestroyWindow(window_);
        g_app = AppState{};
    }
    // Cell height of the caption font, which sizes the caption strip: it
    // depends on the face this machine maps the reader's font to.
    int CaptionFontHeight() const {
        HDC dc = GetDC(window_);
        HGDIOBJ previous = SelectObject(dc, g_app.captionFont);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, previous);
        ReleaseDC(window_, dc);
        return metrics.tmHeight;
    }
    SCROLLINFO ScrollBar() const {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        GetScrollInfo(window_, SB_VERT, &info);
        return info;
    }

    int clientWidth_ = 0;
    int clientHeight_ = 0;
};


TEST_F(ReadingPaneTest, OpensOnTheStoredLessonAndPosition) {
    g_app.LastPosition = 500;  // beyond any lesson: kept until the first paint
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    ASSERT_NE(pane, nullptr);
    ASSERT_NE(pane->text, nullptr);
    EXPECT_EQ(pane->capacity, 100);
    EXPECT_EQ(pane->topLine, 500);
    const int captionHeight = CaptionFontHeight();
    EXPECT_EQ(g_app.captionStrip.height, captionHeight + 2);  // a pixel each side of the caption font
    const PaneGeometry expected = ComputePaneGeometry(clientWidth_, clientHeight_, 0, captionHeight, 10);
    EXPECT_EQ(pane->frame.left, expected.frame.left);
    EXPECT_EQ(pane->frame.top, expected.frame.top);
    EXPECT_EQ(pane->frame.width, expected.frame.width);
    EXPECT_EQ(pane->frame.height, expected.frame.height);
    EXPECT_EQ(g_app.captionStrip.top, clientHeight_ - captionHeight - 2);
    EXPECT_EQ(g_app.captionLength, 15);
    ASSERT_GT(pane->lastTopLine, 0);  // a Psalm does not fit 300 pixels
    EXPECT_EQ(ScrollBar().nMax, pane->lastTopLine);

    RefreshWindow(nullptr, kPaintEraseAndText);
    EXPECT_EQ(pane->topLine, pane->lastTopLine);  // clamped by the paint
    EXPECT_EQ(ScrollBar().nPos, pane->lastTopLine);
}

TEST_F(ReadingPaneTest, FollowsTheWindowSize) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    const uint16_t wideLines = pane->lineCount;
    const int stripHeight = CaptionFontHeight() + 2;
    OnPaneResize(window_, MAKELPARAM(200, 300));
    EXPECT_EQ(pane->frame.left, 10);
    EXPECT_EQ(pane->frame.width, 180);
    EXPECT_EQ(pane->frame.height, 300 - 20 - stripHeight);
    EXPECT_EQ(g_app.captionStrip.top, 300 - stripHeight);
    EXPECT_EQ(g_app.captionStrip.width, 200);
    EXPECT_GT(pane->lineCount, wideLines);
    EXPECT_EQ(ScrollBar().nMax, pane->lastTopLine);
}

TEST_F(ReadingPaneTest, ClickInTheLowerHalfPagesDown) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    // The pane is made tall enough for its first three lines in this face.
    int threeLines = pane->lines[2].height;
    for (int i = 0; i < 2; ++i) threeLines += pane->lines[i].height * ((pane->lines[i].style & 0x80) ? 2 : 1);
    if (threeLines > pane->frame.height) {
        OnPaneResize(window_, MAKELPARAM(clientWidth_, clientHeight_ + threeLines - pane->frame.height));
    }
    RefreshWindow(window_, kPaintEraseAndText);
    ASSERT_GT(pane->linesDrawn, 2);
    const int middle = pane->frame.top + pane->frame.height / 2;
    const int32_t step = pane->linesDrawn - 1;
    EXPECT_EQ(PageOnClick(window_, pane, 100, middle, 1), 1);
    EXPECT_EQ(pane->topLine, step < pane->lastTopLine ? step : pane->lastTopLine);
    EXPECT_EQ(ScrollBar().nPos, pane->topLine);
    EXPECT_EQ(PageOnClick(window_, pane, 100, middle - 1, 1), 1);
    EXPECT_EQ(pane->topLine, 0);
    EXPECT_EQ(PageOnClick(window_, pane, 100, g_app.captionStrip.top + 1, 1), 0);  // the caption strip
}

TEST_F(ReadingPaneTest, InAWindowTooShortForThePaneTheStripIsStillNoPartOfIt) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    const ViewFrame kept = pane->frame;
    OnPaneResize(window_, MAKELPARAM(400, 30));  // no room for any text: the pane keeps its area
    ASSERT_EQ(pane->frame.height, kept.height);
    const Rect32& strip = g_app.captionStrip;
    ASSERT_EQ(strip.top + strip.height, 30);
    for (int y = strip.top; y <= strip.top + strip.height; ++y) {
        ASSERT_TRUE(HitTestPaneFrame(pane, 100, y, 10)) << "the kept area reaches over row " << y;
        EXPECT_EQ(PageOnClick(window_, pane, 100, y, 1), 0) << "row " << y;
    }
    EXPECT_EQ(pane->topLine, 0);
}

TEST_F(ReadingPaneTest, WindowPaintDrawsTheCaptionStrip) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    HDC windowDc = GetDC(window_);
    HDC dc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, clientWidth_, clientHeight_);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PaintWindow(dc, window_, kPaintErase);
    const Rect32& strip = g_app.captionStrip;
    EXPECT_EQ(GetPixel(dc, 1, strip.top), RGB(192, 192, 192));
    EXPECT_EQ(GetPixel(dc, clientWidth_ - 1, clientHeight_ - 1), RGB(192, 192, 192));
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 255, 255));
    // The caption's letters lie within its measured width, centred in the
    // strip, give or take the rounding of the centre and a glyph's overhang.
    SelectObject(dc, g_app.captionFont);
    const std::wstring caption(g_app.caption, g_app.caption + g_app.captionLength);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const int textLeft = strip.left + 1 + (strip.width - 2 - extent.cx) / 2;
    constexpr int kSlack = 2;
    int inkLeft = clientWidth_;
    int inkRight = -1;
    for (int y = strip.top; y < strip.top + strip.height; ++y) {
        for (int x = 0; x < clientWidth_; ++x) {
            if (GetPixel(dc, x, y) == RGB(192, 192, 192)) continue;
            if (x < inkLeft) inkLeft = x;
            if (x > inkRight) inkRight = x;
        }
    }
    EXPECT_GE(inkRight, 0) << "no caption drawn";
    EXPECT_GE(inkLeft, textLeft - kSlack);
    EXPECT_LT(inkRight, textLeft + extent.cx + kSlack);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(window_, windowDc);
}

TEST_F(ReadingPaneTest, MissingLessonShowsAWarningAndLeavesThePaneEmpty) {
    g_app.Lesson = MakeLessonKey(15, 1);  // no such container
    MessageBoxAnswerer answerer(L"Error");
    EXPECT_NE(OpenReadingPane(window_), 0);
    EXPECT_EQ(answerer.Text(), L"Resource not found");
    ASSERT_NE(g_app.pane, nullptr);
    EXPECT_EQ(g_app.pane->text, nullptr);
    RefreshWindow(window_, kPaintEraseAndText);  // nothing to paint, and no fault
    EXPECT_EQ(g_app.pane->linesDrawn, 0);
}

TEST_F(ReadingPaneTest, ADayWhoseLessonCannotBeFetchedPutsThePreviousDayBack) {
    g_app.Flags = kDefaultFlags;  // following the clock
    SetCurrentDay(0, false);
    const AbsoluteDay today = g_app.Day;
    const LessonKey lesson = g_app.Lesson;
    const std::string caption = g_app.caption;
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    OnPaneResize(window_, MAKELPARAM(200, 160));  // small enough for any day's lesson to scroll
    RefreshWindow(window_, kPaintEraseAndText);
    ASSERT_EQ(ScrollBy(pane, 2, kRepaintIfMoved, true), 0);
    const char* text = pane->text;
    g_app.LastPosition = 2;

    SetLessonResourceModule(GetModuleHandleW(nullptr));  // a module without the lessons
    MessageBoxAnswerer answerer(L"Error");
    GoToDay(window_, today + 1);
    EXPECT_EQ(answerer.Text(), L"Could not access the\r\nThe lesson for the selected day");
    EXPECT_EQ(answerer.Owner(), window_);
    EXPECT_EQ(g_app.Day, today);
    EXPECT_EQ(g_app.Lesson, lesson);
    EXPECT_EQ(g_app.caption, caption);
    EXPECT_EQ(g_app.LastPosition, 0);
    EXPECT_NE(g_app.Flags & kFlagDayChosen, 0u);  // reopens on this day, even though it was today
    EXPECT_EQ(pane->text, text);
    EXPECT_EQ(pane->topLine, 2);
}

// Keys the window does not serve are swallowed, not handed to the default
// procedure; F1 reaches the About box through WM_HELP instead.
TEST_F(ReadingPaneTest, KeysTheWindowDoesNotServeDoNothing) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    RefreshWindow(window_, kPaintEraseAndText);
    for (WPARAM key : {WPARAM{VK_F1}, WPARAM{'A'}, WPARAM{VK_TAB}, WPARAM{VK_ESCAPE}, WPARAM{VK_SPACE}}) {
        EXPECT_EQ(MainWindowProc(window_, WM_KEYDOWN, key, 0), 1) << "key " << key;
    }
    EXPECT_EQ(pane->topLine, 0);
    EXPECT_EQ(MainWindowProc(window_, WM_KEYDOWN, VK_DOWN, 0), 0);
    EXPECT_EQ(pane->topLine, 1);
    EXPECT_EQ(ScrollBar().nPos, 1);
}

}  // namespace

namespace {

// A larger font makes the lesson longer: the scroll bar follows at once.
TEST_F(ReadingPaneTest, AFontChangeMovesTheScrollBarWithTheText) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    const uint16_t lastTopLine = pane->lastTopLine;
    g_app.font.FontSize = 40;
    ApplyReadingFont(window_);
    ASSERT_GT(pane->lastTopLine, lastTopLine);
    EXPECT_EQ(ScrollBar().nMax, pane->lastTopLine);
}

// A zoom lays the lesson out anew with the line at the top kept there; a
// step to the size in force changes nothing.
TEST_F(ReadingPaneTest, ZoomKeepsTheLineAtTheTop) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    ASSERT_GT(pane->lastTopLine, 4);
    pane->topLine = 4;
    const uint32_t top = TopTextOffset(pane);
    for (const int32_t size : {10, 32, 72, 0}) {
        ASSERT_TRUE(ZoomReadingFont(window_, size)) << size;
        EXPECT_EQ(g_app.font.FontSize, size);
        EXPECT_EQ(g_app.fontSizeReset, size == 0);
        const TextLine* line = pane->lines;
        int32_t visual = 0;
        while (line[1].style != 0 && line[1].start <= top) visual += VisualLinesOf(*line++);
        EXPECT_EQ(pane->topLine, visual < pane->lastTopLine ? visual : pane->lastTopLine)
            << "the line that held the top's first byte at " << size;
    }
    const uint16_t lines = pane->lineCount;
    EXPECT_FALSE(ZoomReadingFont(window_, 0));
    EXPECT_EQ(pane->lineCount, lines);
}

}  // namespace

namespace {

// Cell height of the reader's (default) face at `height` on the screen.
int CellHeightOf(int height) { return DefaultFaceMetrics(height).tmHeight; }

// The first line of the regular style, neither large, small nor bold.
const TextLine* RegularLine(const TextView* pane) {
    const TextLine* line = pane->lines;
    while (line->style != 0 && (IsRule(line->style) || (line->style & 0x0E) != 0)) ++line;
    return line;
}

// The window moved to a screen at 150 percent and back: the caption font and
// strip, the gutter around the frame and the pane's fonts follow, the stored
// gutter stays, and the line at the top of the pane stays there. Back at 100
// percent everything is as the pane first opened.
TEST_F(ReadingPaneTest, RescalingRebuildsForTheNewResolutionAndKeepsTheTopLine) {
    ASSERT_EQ(OpenReadingPane(window_), 0);
    TextView* pane = g_app.pane;
    const ViewFrame opened = pane->frame;
    const Rect32 openedStrip = g_app.captionStrip;
    const TextLine regular = *RegularLine(pane);
    // From the last screenful, so the top line is deep in the lesson.
    pane->topLine = pane->lastTopLine;
    const uint16_t deepest = pane->topLine;
    for (const int32_t dpi : {144, 96}) {
        SCOPED_TRACE(dpi);
        const uint32_t top = TopTextOffset(pane);
        g_app.dpi = dpi;
        RescaleReadingPane(window_, top);

        LOGFONTW caption{};
        GetObjectW(g_app.captionFont, sizeof caption, &caption);
        EXPECT_EQ(caption.lfHeight, ScaleToDpi(14, dpi));
        const int stripCell = CellHeightOf(caption.lfHeight);
        const PaneGeometry expected =
            ComputePaneGeometry(clientWidth_, clientHeight_, 0, stripCell, ScaleToDpi(10, dpi));
        EXPECT_EQ((std::vector<int32_t>{pane->frame.left, pane->frame.top, pane->frame.width, pane->frame.height,
                                        g_app.captionStrip.top, g_app.captionStrip.height}),
                  (std::vector<int32_t>{expected.frame.left, expected.frame.top, expected.frame.width,
                                        expected.frame.height, expected.captionStrip.top,
                                        expected.captionStrip.height}));
        EXPECT_EQ(g_app.SurroundingGutter, 10) << "kept as stored";
        EXPECT_EQ(pane->dc->dpi, dpi);
        // The regular style at the mapper's default height, which grows
        // with the scale.
        const int mapperCell = CellHeightOf(0);
        const int expectedHeight = DefaultFontCellHeight(mapperCell, dpi);
        EXPECT_EQ(RegularLine(pane)->height, expectedHeight == 0 ? mapperCell : CellHeightOf(expectedHeight));
        const TextLine* line = pane->lines;
        while (line->style != 0 && line->start != TopTextOffset(pane)) ++line;
        EXPECT_LE(line->start, top);
        EXPECT_GE(line->start + line->length, top) << "the line that was at the top is at the top";
        EXPECT_EQ(ScrollBar().nPos, pane->topLine);
        // Larger letters wrap at least as many lines above the top (how
        // many more depends on the face this machine maps to).
        if (dpi == 144) {
            EXPECT_GE(pane->topLine, deepest);
        }
    }
    EXPECT_EQ(pane->frame.left, opened.left);
    EXPECT_EQ(pane->frame.top, opened.top);
    EXPECT_EQ(pane->frame.width, opened.width);
    EXPECT_EQ(pane->frame.height, opened.height);
    EXPECT_EQ(g_app.captionStrip.height, openedStrip.height);
    EXPECT_EQ(RegularLine(pane)->height, regular.height);
    EXPECT_EQ(RegularLine(pane)->length, regular.length);
}

}  // namespace
