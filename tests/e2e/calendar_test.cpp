// The Hebrew Calendar dialog worked as a person would: opened by Ctrl+D and
// by a click on the date strip, moved by the mouse and by Alt+keys, a day
// picked, or the dialog closed without one.
#include <gtest/gtest.h>

#include "dialogs/calendar_layout.h"
#include "dialogs/calendar_paint.h"
#include "tests/e2e/app_driver.h"
#include "view/gdi_surface_win32.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kDayChosen = 0x4;

HWND FindCalendar() { return FindWindowW(L"#32770", L"Hebrew Calendar"); }

// The open calendar, as something to press keys on and click into.
RunningApp WaitForCalendar(const RunningApp& app) {
    RunningApp calendar = app;
    calendar.window = nullptr;
    WaitFor([&] {
        calendar.window = FindCalendar();
        return calendar.window != nullptr && IsWindowVisible(calendar.window);
    });
    if (calendar.window != nullptr) WaitUntilIdle(calendar);
    return calendar;
}

bool CalendarClosed() {
    return WaitFor([] { return FindCalendar() == nullptr; });
}

// Where the parts of the open calendar lie, worked out as the dialog works
// them out: from its client rectangle and its font.
struct CalendarGeometry {
    CalendarLayout layout;
    CalendarHeader header;
};

CalendarGeometry Measure(const RunningApp& calendar, int32_t yearAtOpening) {
    RECT client{};
    GetClientRect(calendar.window, &client);
    HDC dc = GetDC(nullptr);
    LOGFONTW logFont{};
    logFont.lfHeight = kCalendarFontHeight;
    logFont.lfWeight = kCalendarFontWeight;
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    DrawingSurface surface = GdiSurface(dc);
    CalendarGeometry geometry{};
    geometry.layout = ComputeCalendarLayout({client.left, client.top, client.right, client.bottom},
                                            metrics.tmHeight);
    geometry.header = PlaceCalendarHeader(&surface, yearAtOpening, client.right - client.left);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return geometry;
}

POINT MonthButtonCentre(const CalendarLayout& layout, int32_t month) {
    return {layout.monthLeft + ((month - 1) % 4) * layout.monthWidth + layout.monthWidth / 2,
            layout.monthTop + ((month - 1) / 4) * layout.monthHeight + layout.monthHeight / 2};
}

POINT DayCellCentre(const CalendarLayout& layout, HebrewDate date) {
    const AbsoluteDay first = AbsoluteFromHebrew({date.month, 1, date.year});
    const int32_t index = first % 7 + date.day - 1;  // weekday of the 1st, 0 = Sunday
    return {layout.gridLeft + (index % 7) * layout.cellWidth + layout.cellWidth / 2,
            layout.gridTop + (index / 7 + 1) * layout.cellHeight + layout.cellHeight / 2};
}

bool Click(RunningApp& calendar, POINT at) { return ClickClient(calendar, at.x, at.y); }

class Calendar : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        PutSetting(L"Flags", kDefaultFlags | kDayChosen);
    }
    void TearDown() override { EndLeftoverApps(); }

    RunningApp StartOn(HebrewDate date) {
        PutSetting(L"Day", static_cast<DWORD>(AbsoluteFromHebrew(date)));
        RunningApp app = StartApp();
        EXPECT_NE(app.window, nullptr);
        return app;
    }
};

uint32_t FaceColour() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
}

}  // namespace

TEST_F(Calendar, MovesByMouseAndAltKeysAndGoesToThePickedDay) {
    RunningApp app = StartOn({9, 10, 5785});
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(PressKey(app, 'D', {VK_CONTROL}));
    RunningApp calendar = WaitForCalendar(app);
    ASSERT_NE(calendar.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(calendar.window, L"calendar_common_year"));
    const CalendarGeometry at = Measure(calendar, 5785);

    ASSERT_TRUE(Click(calendar, MonthButtonCentre(at.layout, 3)));  // Sivan 5785
    ASSERT_TRUE(ClickClient(calendar, at.header.rightArrowX + at.header.arrowWidth / 2,
                            at.layout.headerTop + at.layout.headerHeight / 2));  // 5786
    ASSERT_TRUE(PressKey(calendar, VK_NEXT, {VK_MENU}));                         // 5787, a leap year
    EXPECT_TRUE(SaveScreenshot(calendar.window, L"calendar_leap_year"));
    // Between "Adar I" and "II" the dialog's face shows.
    const int adarTop = at.layout.monthTop + 2 * at.layout.monthHeight;
    EXPECT_EQ(CaptureClient(calendar.window).At(at.layout.adarSplit - 1, adarTop + 3), FaceColour());
    ASSERT_TRUE(PressKey(calendar, VK_RIGHT, {VK_MENU}));  // Tammuz 5787

    const std::vector<uint32_t> strip = StripPixels(app);
    ASSERT_TRUE(Click(calendar, DayCellCentre(at.layout, {4, 15, 5787})));
    EXPECT_TRUE(CalendarClosed());
    EXPECT_TRUE(WaitForChange(app, StripPixels, strip)) << "the day shown did not change";
    const std::vector<uint32_t> picked = StripPixels(app);
    EXPECT_EQ(CloseApp(app), 0u);
    const AbsoluteDay expected = AbsoluteFromHebrew({4, 15, 5787});
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(expected));
    EXPECT_NE(StoredOr(L"Flags", 0) & kDayChosen, 0u);

    // The strip showed that day's date, as a start on it shows it.
    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(StripPixels(app), picked);
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Calendar, EnterEscAndTheCloseBoxChangeNothing) {
    const HebrewDate start{6, 20, 5784};
    RunningApp app = StartOn(start);
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> strip = StripPixels(app);
    const WindowParts parts = PartsOf(app);
    struct Case {
        const char* how;
        std::function<void(RunningApp&)> open;
        std::function<void(RunningApp&)> close;
    } const cases[] = {
        {"Enter", [&](RunningApp& a) { ClickClient(a, parts.client.right / 2, parts.stripTop + 2); },
         [](RunningApp& c) { PressKey(c, VK_RETURN); }},
        {"Esc", [](RunningApp& a) { PressKey(a, 'D', {VK_CONTROL}); },
         [](RunningApp& c) { PressKey(c, VK_ESCAPE); }},
        {"the close box", [](RunningApp& a) { PressKey(a, 'D', {VK_CONTROL}); },
         [](RunningApp& c) { PostMessageW(c.window, WM_CLOSE, 0, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        c.open(app);
        RunningApp calendar = WaitForCalendar(app);
        ASSERT_NE(calendar.window, nullptr);
        ASSERT_TRUE(PressKey(calendar, VK_NEXT, {VK_MENU}));
        ASSERT_TRUE(PressKey(calendar, VK_LEFT, {VK_MENU}));
        c.close(calendar);
        EXPECT_TRUE(CalendarClosed());
        WaitUntilIdle(app);
        EXPECT_EQ(StripPixels(app), strip);
    }
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(AbsoluteFromHebrew(start)));
}

TEST_F(Calendar, PickingTheDayShownKeepsThePlaceInItsLesson) {
    // A lesson in a large font in a small window, two lines down.
    PutSetting(L"FontSize", 28);
    PutSetting(L"Width", 480);
    PutSetting(L"Height", 360);
    PutSetting(L"LastPosition", 2);
    const HebrewDate start{1, 12, 5787};
    RunningApp app = StartOn(start);
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(PressKey(app, 'D', {VK_CONTROL}));
    RunningApp calendar = WaitForCalendar(app);
    ASSERT_NE(calendar.window, nullptr);
    ASSERT_TRUE(Click(calendar, DayCellCentre(Measure(calendar, start.year).layout, start)));
    EXPECT_TRUE(CalendarClosed());
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"LastPosition", 0xFFFF), 2u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(AbsoluteFromHebrew(start)));
}

TEST_F(Calendar, ASixthWeekRowGoesWithItsMonth) {
    RunningApp app = StartOn({5, 1, 5781});  // Av 5781: 30 days from a Saturday
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(PressKey(app, 'D', {VK_CONTROL}));
    RunningApp calendar = WaitForCalendar(app);
    ASSERT_NE(calendar.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(calendar.window, L"calendar_six_weeks"));
    const CalendarLayout layout = Measure(calendar, 5781).layout;
    const int sixthRowX = layout.gridLeft + layout.cellWidth + 3;
    const int sixthRowY = layout.gridTop + 6 * layout.cellHeight + 3;
    EXPECT_EQ(CaptureClient(calendar.window).At(sixthRowX, sixthRowY), 0xFFFFFFu);
    ASSERT_TRUE(PressKey(calendar, VK_DOWN, {VK_MENU}));  // Elul: five weeks
    EXPECT_TRUE(SaveScreenshot(calendar.window, L"calendar_after_six_weeks"));
    EXPECT_EQ(CaptureClient(calendar.window).At(sixthRowX, sixthRowY), FaceColour());
    // Without Alt the arrows do nothing.
    ASSERT_TRUE(PressKey(calendar, VK_UP));
    EXPECT_EQ(CaptureClient(calendar.window).At(sixthRowX, sixthRowY), FaceColour());
    ASSERT_TRUE(PressKey(calendar, VK_ESCAPE));
    EXPECT_TRUE(CalendarClosed());
    EXPECT_EQ(CloseApp(app), 0u);
}
