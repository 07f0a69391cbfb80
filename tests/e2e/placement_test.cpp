// The main window reopens where and how it was left, and what the reader
// chose survives the end of the session.
#include <gtest/gtest.h>

#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr DWORD kDayChosen = 0x4;
constexpr RECT kPlace{100, 60, 600, 460};

class Placement : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
    }
    void TearDown() override { EndLeftoverApps(); }

    static void StorePlace(const RECT& rect) {
        PutSetting(L"Left", static_cast<DWORD>(rect.left));
        PutSetting(L"Top", static_cast<DWORD>(rect.top));
        PutSetting(L"Width", static_cast<DWORD>(rect.right - rect.left));
        PutSetting(L"Height", static_cast<DWORD>(rect.bottom - rect.top));
    }
};

RECT WindowRect(const RunningApp& app) {
    RECT rect{};
    GetWindowRect(app.window, &rect);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

void SystemCommand(RunningApp& app, WPARAM command) {
    PostMessageW(app.window, WM_SYSCOMMAND, command, 0);
    WaitUntilIdle(app);
}

void ExpectStoredPlace(const RECT& rect, DWORD showCmd) {
    EXPECT_EQ(StoredOr(L"Left", 0), static_cast<DWORD>(rect.left));
    EXPECT_EQ(StoredOr(L"Top", 0), static_cast<DWORD>(rect.top));
    EXPECT_EQ(StoredOr(L"Width", 0), static_cast<DWORD>(rect.right - rect.left));
    EXPECT_EQ(StoredOr(L"Height", 0), static_cast<DWORD>(rect.bottom - rect.top));
    EXPECT_EQ(StoredOr(L"showCmd", 0), showCmd);
}

}  // namespace

TEST_F(Placement, TheWindowReopensWhereItWas) {
    StorePlace(kPlace);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SameRect(WindowRect(app), kPlace)) << Describe(WindowRect(app));
    EXPECT_TRUE(SaveScreenshot(app.window, L"placed"));
    // Moved by the reader, it is stored where it was moved to.
    const RECT moved{150, 90, 750, 590};
    MoveWindow(app.window, moved.left, moved.top, 600, 500, TRUE);
    ASSERT_TRUE(WaitFor([&] { return SameRect(WindowRect(app), moved); }));
    EXPECT_EQ(CloseApp(app), 0u);
    ExpectStoredPlace(moved, SW_SHOWNORMAL);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SameRect(WindowRect(app), moved)) << Describe(WindowRect(app));
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Placement, AMaximizedWindowReopensMaximizedAndRestoresToItsPlace) {
    StorePlace(kPlace);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    SystemCommand(app, SC_MAXIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsZoomed(app.window) != FALSE; }));
    EXPECT_TRUE(SaveScreenshot(app.window, L"maximized"));
    EXPECT_EQ(CloseApp(app), 0u);
    ExpectStoredPlace(kPlace, SW_SHOWMAXIMIZED);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(IsZoomed(app.window));
    SystemCommand(app, SC_RESTORE);
    ASSERT_TRUE(WaitFor([&] { return !IsZoomed(app.window); }));
    EXPECT_TRUE(SameRect(WindowRect(app), kPlace)) << Describe(WindowRect(app));
    EXPECT_EQ(CloseApp(app), 0u);
    ExpectStoredPlace(kPlace, SW_SHOWNORMAL);
}

TEST_F(Placement, AWindowClosedMinimizedReopensNormalInItsPlace) {
    StorePlace(kPlace);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    SystemCommand(app, SC_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(app.window) != FALSE; }));
    EXPECT_EQ(CloseApp(app), 0u);
    ExpectStoredPlace(kPlace, SW_SHOWNORMAL);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_FALSE(IsIconic(app.window));
    EXPECT_TRUE(SameRect(WindowRect(app), kPlace)) << Describe(WindowRect(app));
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Placement, TheLaunchersShowCommandCountsOnlyWhenNoneWasStored) {
    StorePlace(kPlace);
    RunningApp app = StartApp(SW_SHOWMINNOACTIVE);
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(IsIconic(app.window)) << "a shortcut set to start minimized was not obeyed";
    EXPECT_EQ(CloseApp(app), 0u);
    ExpectStoredPlace(kPlace, SW_SHOWNORMAL);

    app = StartApp(SW_SHOWMINNOACTIVE);
    ASSERT_NE(app.window, nullptr);
    EXPECT_FALSE(IsIconic(app.window)) << "the stored show state did not win";
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Placement, APlaceOnNoMonitorOpensWhereTheSystemPutsIt) {
    StorePlace({5000, 4000, 5500, 4400});
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_NE(MonitorFromWindow(app.window, MONITOR_DEFAULTTONULL), nullptr)
        << Describe(WindowRect(app));
    EXPECT_TRUE(SaveScreenshot(app.window, L"off_screen_place"));
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Placement, APlaceSavedOnALargerScreenOpensInsideThisOne) {
    // Wider and taller than the screen, and hanging over its top left corner.
    StorePlace({-400, -300, 2600, 1900});
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(app.window, MONITOR_DEFAULTTONEAREST), &monitor));
    EXPECT_TRUE(SameRect(WindowRect(app), monitor.rcWork))
        << Describe(WindowRect(app)) << " in " << Describe(monitor.rcWork);
    EXPECT_TRUE(SaveScreenshot(app.window, L"larger_place"));
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Placement, TheEndOfTheSessionKeepsWhatTheReaderChose) {
    StorePlace(kPlace);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> strip = StripPixels(app);
    SendCommand(app, CMD_PREVIOUS_DAY);
    ASSERT_TRUE(WaitForChange(app, StripPixels, strip));
    DWORD_PTR result = 0;
    ASSERT_NE(SendMessageTimeoutW(app.window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kWaitLimitMs, &result), 0);
    EXPECT_NE(result, 0u) << "the reader refused to let the session end";
    ASSERT_NE(SendMessageTimeoutW(app.window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kWaitLimitMs, &result), 0);
    // The system now ends the process without WM_DESTROY.
    KillApp(app);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(Today() - 1));
    EXPECT_NE(StoredOr(L"Flags", 0) & kDayChosen, 0u);
    ExpectStoredPlace(kPlace, SW_SHOWNORMAL);
}
