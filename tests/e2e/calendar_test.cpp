// The Hebrew Calendar dialog worked as a person would: opened by Ctrl+D and
// by a click on the date strip, moved by the mouse and by Alt+keys, a day
// picked, or the dialog closed without one.
#include <gtest/gtest.h>

#include "dialogs/calendar_layout.h"
#include "dialogs/calendar_paint.h"
#include "tests/e2e/app_driver.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"
#include "view/gdi_surface_win32.h"

namespace {

// The open calendar, as something to press keys on and click into; its
// window stays null when none opened.
RunningApp WaitForCalendar(const RunningApp& app) {
    RunningApp calendar = app;
    calendar.window = nullptr;
    WaitFor([&] {
        calendar.window = FindWindowW(L"#32770", L"Hebrew Calendar");
        return calendar.window != nullptr && IsWindowVisible(calendar.window);
    });
    if (calendar.window != nullptr) WaitUntilIdle(calendar);
    return calendar;
}

bool CalendarClosed() {
    return WaitFor([] { return FindWindowW(L"#32770", L"Hebrew Calendar") == nullptr; });
}

// Where the calendar's parts lie, worked out as the dialog works them out:
// from its client rectangle, its font and the year it opened on.
struct CalendarGeometry {
    CalendarLayout layout;
    CalendarHeader header;
};

CalendarGeometry Measure(const RunningApp& calendar, int32_t yearAtOpening) {
    RECT client{};
    GetClientRect(calendar.window, &client);
    HDC dc = GetDC(nullptr);
    const int32_t dpi = WindowDpi(calendar.window);
    LOGFONTW logFont{};
    logFont.lfHeight = ScaleToDpi(kCalendarFontHeight, dpi);
    logFont.lfWeight = kCalendarFontWeight;
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    DrawingSurface surface = GdiSurface(dc);
    surface.dpi = dpi;
    const CalendarGeometry geometry{
        ComputeCalendarLayout({client.left, client.top, client.right, client.bottom}, metrics.tmHeight, dpi),
        PlaceCalendarHeader(&surface, yearAtOpening, client.right - client.left)};
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return geometry;
}

bool ClickDay(RunningApp& calendar, const CalendarLayout& layout, HebrewDate date) {
    const int32_t index = AbsoluteFromHebrew({date.month, 1, date.year}) % 7 + date.day - 1;
    return ClickClient(calendar, layout.gridLeft + (index % 7) * layout.cellWidth + layout.cellWidth / 2,
                       layout.gridTop + (index / 7 + 1) * layout.cellHeight + layout.cellHeight / 2);
}

class Calendar : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        PutSetting(L"Flags", 0xD1140040 | kFlagDayChosen);
    }
    void TearDown() override { EndLeftoverApps(); }

    // Starts on `date` and opens the calendar with Ctrl+D.
    RunningApp OpenOn(HebrewDate date, RunningApp* app) {
        PutSetting(L"Day", static_cast<DWORD>(AbsoluteFromHebrew(date)));
        *app = StartApp();
        if (app->window == nullptr || !PressKey(*app, 'D', {VK_CONTROL})) return {};
        return WaitForCalendar(*app);
    }

    static constexpr DWORD kFlagDayChosen = 0x4;
};

}  // namespace

TEST_F(Calendar, MovesByMouseAndAltKeysAndGoesToThePickedDay) {
    RunningApp app;
    RunningApp calendar = OpenOn({5, 1, 5781}, &app);  // Av 5781: 30 days from a Saturday
    ASSERT_NE(calendar.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(calendar.window, L"calendar_six_weeks"));
    const CalendarGeometry at = Measure(calendar, 5781);
    const CalendarLayout& l = at.layout;
    ASSERT_TRUE(ClickClient(calendar, l.monthLeft + 2 * l.monthWidth + 5, l.monthTop + 5));  // Sivan
    ASSERT_TRUE(ClickClient(calendar, at.header.rightArrowX + 2, l.headerTop + 2));        // 5782
    EXPECT_TRUE(SaveScreenshot(calendar.window, L"calendar_leap_year"));
    ASSERT_TRUE(PressKey(calendar, VK_RIGHT));  // without Alt: nothing
    ASSERT_TRUE(PressKey(calendar, VK_NEXT, {VK_MENU}));  // 5783
    EXPECT_TRUE(SaveScreenshot(calendar.window, L"calendar_common_year"));
    ASSERT_TRUE(PressKey(calendar, VK_RIGHT, {VK_MENU}));  // Tammuz

    const std::vector<uint32_t> strip = StripPixels(app);
    ASSERT_TRUE(ClickDay(calendar, l, {4, 15, 5783}));
    EXPECT_TRUE(CalendarClosed());
    EXPECT_TRUE(WaitForChange(app, StripPixels, strip)) << "the day shown did not change";
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(AbsoluteFromHebrew({4, 15, 5783})));
    EXPECT_NE(StoredOr(L"Flags", 0) & kFlagDayChosen, 0u);
}

TEST_F(Calendar, EnterEscAndTheCloseBoxChangeNothing) {
    const HebrewDate start{6, 20, 5784};
    RunningApp app;
    RunningApp first = OpenOn(start, &app);
    ASSERT_NE(first.window, nullptr);
    PressKey(first, VK_ESCAPE);
    ASSERT_TRUE(CalendarClosed());
    const std::vector<uint32_t> strip = StripPixels(app);
    const WindowParts parts = PartsOf(app);
    const std::function<void(RunningApp&)> closes[] = {
        [](RunningApp& c) { PressKey(c, VK_RETURN); },
        [](RunningApp& c) { PressKey(c, VK_ESCAPE); },
        [](RunningApp& c) { PostMessageW(c.window, WM_CLOSE, 0, 0); },
    };
    for (const auto& close : closes) {
        ASSERT_TRUE(ClickClient(app, parts.client.right / 2, parts.stripTop + 2));  // the date strip
        RunningApp calendar = WaitForCalendar(app);
        ASSERT_NE(calendar.window, nullptr);
        ASSERT_TRUE(PressKey(calendar, VK_NEXT, {VK_MENU}));
        close(calendar);
        EXPECT_TRUE(CalendarClosed());
        WaitUntilIdle(app);
        EXPECT_EQ(StripPixels(app), strip);
    }
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(AbsoluteFromHebrew(start)));
}

// The day already shown is not loaded again: the place in its lesson stays.
TEST_F(Calendar, PickingTheDayShownKeepsThePlaceInItsLesson) {
    PutLargeFontInSmallWindow();
    PutSetting(L"LastPosition", 2);
    const HebrewDate start{1, 12, 5787};
    RunningApp app;
    RunningApp calendar = OpenOn(start, &app);
    ASSERT_NE(calendar.window, nullptr);
    ASSERT_TRUE(ClickDay(calendar, Measure(calendar, start.year).layout, start));
    EXPECT_TRUE(CalendarClosed());
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"LastPosition", 0xFFFF), 2u);
}
