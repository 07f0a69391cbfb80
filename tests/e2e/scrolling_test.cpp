// Scrolling the lesson by keys, the wheel, clicks and the scroll bar, and the
// scroll position between runs.
#include <gtest/gtest.h>

#include "tests/e2e/app_driver.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kDayChosen = 0x4;

class Scrolling : public testing::Test {
protected:
    // A chosen day shown in a large font in a small window, so that the
    // lesson runs over several screenfuls.
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        PutSetting(L"Flags", kDefaultFlags | kDayChosen);
        PutSetting(L"Day", static_cast<DWORD>(AbsoluteFromGregorian({3, 20, 2027})));
        PutLargeFontInSmallWindow();
        PutSetting(L"Left", 40);
        PutSetting(L"Top", 40);
    }
    void TearDown() override { EndLeftoverApps(); }

    RunningApp Start(DWORD lastPosition) {
        PutSetting(L"LastPosition", lastPosition);
        RunningApp app = StartApp();
        EXPECT_NE(app.window, nullptr);
        return app;
    }
};

// Does `step` and waits until the text area shows something else.
void ExpectTextMoves(RunningApp& app, const std::function<void()>& step, const char* what) {
    const std::vector<uint32_t> before = TextPixels(app);
    step();
    EXPECT_TRUE(WaitForChange(app, TextPixels, before)) << what << " did not scroll";
}

DWORD PositionAfterClosing(RunningApp& app) {
    EXPECT_EQ(CloseApp(app), 0u);
    return StoredOr(L"LastPosition", 0xFFFF);
}

void ScrollBarRequest(RunningApp& app, WORD code) {
    PostMessageW(app.window, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
    WaitUntilIdle(app);
}

}  // namespace

TEST_F(Scrolling, KeysMoveTheTextAndThePlaceIsKeptForTheSameDay) {
    RunningApp app = Start(0);
    ASSERT_NE(app.window, nullptr);
    ExpectTextMoves(app, [&] { PressKey(app, VK_DOWN); }, "Down");
    ExpectTextMoves(app, [&] { PressKey(app, VK_DOWN); }, "Down");
    ExpectTextMoves(app, [&] { PressKey(app, VK_UP); }, "Up");
    EXPECT_EQ(PositionAfterClosing(app), 1u);

    // The same day reopens where it was left.
    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(PositionAfterClosing(app), 1u);

    // Page Up near the top goes to the top.
    app = StartApp();
    ExpectTextMoves(app, [&] { PressKey(app, VK_PRIOR); }, "Page Up");
    ExpectTextMoves(app, [&] { PressKey(app, VK_NEXT); }, "Page Down");
    EXPECT_TRUE(SaveScreenshot(app.window, L"page_down"));
    EXPECT_GT(PositionAfterClosing(app), 1u);

    app = Start(0);
    ExpectTextMoves(app, [&] { PressKey(app, VK_END); }, "End");
    EXPECT_TRUE(SaveScreenshot(app.window, L"end"));
    const DWORD end = PositionAfterClosing(app);
    EXPECT_GT(end, 0u);

    // At the end, End moves no further; Home goes back to the top.
    app = StartApp();
    ASSERT_TRUE(PressKey(app, VK_END));
    ExpectTextMoves(app, [&] { PressKey(app, VK_HOME); }, "Home");
    EXPECT_EQ(PositionAfterClosing(app), 0u);
}

TEST_F(Scrolling, TheWheelScrollsWholeNotches) {
    RunningApp app = Start(0);
    ExpectTextMoves(app, [&] { TurnWheel(app, -240); }, "two notches toward the reader");
    EXPECT_EQ(PositionAfterClosing(app), 2u);

    app = StartApp();
    ASSERT_TRUE(TurnWheel(app, -60));  // half a notch: nothing
    ExpectTextMoves(app, [&] { TurnWheel(app, 120); }, "a notch away from the reader");
    EXPECT_EQ(PositionAfterClosing(app), 1u);
}

TEST_F(Scrolling, ClicksPageTheTextAndTheDateStripDoesNot) {
    RunningApp app = Start(0);
    ExpectTextMoves(app, [&] { PressKey(app, VK_NEXT); }, "Page Down");
    const DWORD page = PositionAfterClosing(app);

    app = Start(0);
    WindowParts parts = PartsOf(app);
    const int middleX = parts.client.right / 2;
    ExpectTextMoves(app, [&] { ClickClient(app, middleX, parts.stripTop - 15); }, "a click in the lower half");
    EXPECT_TRUE(SaveScreenshot(app.window, L"click_lower_half"));
    EXPECT_EQ(PositionAfterClosing(app), page);

    // Near the top, a click in the upper half goes to the top.
    app = Start(1);
    parts = PartsOf(app);
    ExpectTextMoves(app, [&] { ClickClient(app, middleX, parts.toolbarBottom + 15); }, "a click in the upper half");
    // A click on the date strip pages nothing: it opens the calendar, which
    // is closed again before the next key, so the key reaches the text.
    ASSERT_TRUE(ClickClient(app, middleX, parts.stripTop + 3));
    HWND calendar = WaitForDialog(app, L"Hebrew Calendar");
    ASSERT_NE(calendar, nullptr);
    PostMessageW(calendar, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([] { return FindWindowW(L"#32770", L"Hebrew Calendar") == nullptr; }));
    ExpectTextMoves(app, [&] { PressKey(app, VK_DOWN); }, "Down");
    EXPECT_EQ(PositionAfterClosing(app), 1u);
}

TEST_F(Scrolling, TheScrollBarMovesTheText) {
    RunningApp app = Start(0);
    ExpectTextMoves(app, [&] { PressKey(app, VK_NEXT); }, "Page Down");
    const DWORD page = PositionAfterClosing(app);

    // The page is the lines the last paint drew, less one.
    app = Start(0);
    ExpectTextMoves(app, [&] { ScrollBarRequest(app, SB_PAGEDOWN); }, "a click below the thumb");
    ExpectTextMoves(app, [&] { ScrollBarRequest(app, SB_LINEDOWN); }, "the scroll bar's down arrow");
    EXPECT_EQ(PositionAfterClosing(app), page + 1);

    app = StartApp();
    ExpectTextMoves(app, [&] { ScrollBarRequest(app, SB_TOP); }, "the scroll bar's top");
    ExpectTextMoves(app, [&] { ScrollBarRequest(app, SB_BOTTOM); }, "the scroll bar's bottom");
    EXPECT_EQ(PositionAfterClosing(app), 1u);
}

TEST_F(Scrolling, ANewDayStartsAtTheTopAndTheSameDayWhereItWas) {
    const AbsoluteDay today = Today();
    PutSetting(L"Flags", kDefaultFlags);  // following the clock
    PutSetting(L"Day", static_cast<DWORD>(today - 1));
    RunningApp app = Start(4);
    EXPECT_EQ(PositionAfterClosing(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(today));

    app = Start(2);
    EXPECT_EQ(PositionAfterClosing(app), 2u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(today));
}

TEST_F(Scrolling, TodayWhileTodayIsShownGoesBackToTheTop) {
    PutSetting(L"Flags", kDefaultFlags);  // following the clock
    RunningApp app = Start(0);
    ExpectTextMoves(app, [&] { PressKey(app, VK_DOWN); }, "Down");
    ExpectTextMoves(app, [&] { PressKey(app, VK_DOWN); }, "Down");
    ExpectTextMoves(app, [&] { PressKey(app, 'T', {VK_CONTROL}); }, "Ctrl+T");
    EXPECT_EQ(PositionAfterClosing(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(Today()));
}
