// Moving through the days by menu, toolbar, accelerators and arrow keys, and
// what is remembered of the day between runs.
#include <gtest/gtest.h>

#include "lessons/lesson_key.h"
#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr DWORD kDayChosen = 0x4;
constexpr int kPreviousButton = 0;
constexpr int kTodayButton = 1;
constexpr int kNextButton = 2;

class Navigation : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
    }
    void TearDown() override { EndLeftoverApps(); }
};

// Does `step` and waits until the date strip shows another day.
void ExpectDayChanges(RunningApp& app, const std::function<void()>& step, const char* what) {
    const std::vector<uint32_t> before = StripPixels(app);
    step();
    EXPECT_TRUE(WaitForChange(app, StripPixels, before)) << what << " did not change the day";
}

DWORD StoredDayAfterClosing(RunningApp& app) {
    EXPECT_EQ(CloseApp(app), 0u);
    return StoredOr(L"Day", 0);
}

}  // namespace

TEST_F(Navigation, EveryWayOfMovingReachesTheDayAsked) {
    const AbsoluteDay today = Today();
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    ExpectDayChanges(app, [&] { SendCommand(app, CMD_NEXT_DAY); }, "Go > Next day");        // +1
    EXPECT_TRUE(SaveScreenshot(app.window, L"next_day"));
    ExpectDayChanges(app, [&] { SendCommand(app, CMD_PREVIOUS_DAY); }, "Go > Previous day");  // 0
    ExpectDayChanges(app, [&] { PressKey(app, 'N', {VK_CONTROL}); }, "Ctrl+N");              // +1
    ExpectDayChanges(app, [&] { PressKey(app, VK_RIGHT); }, "Right");                        // +2
    ExpectDayChanges(app, [&] { PressKey(app, VK_LEFT); }, "Left");                          // +1
    ExpectDayChanges(app, [&] { ClickToolbarButton(app, kNextButton); }, "the next-day button");  // +2
    ExpectDayChanges(app, [&] { ClickToolbarButton(app, kPreviousButton); }, "the previous-day button");  // +1
    ExpectDayChanges(app, [&] { ClickToolbarButton(app, kTodayButton); }, "the today button");  // 0
    ExpectDayChanges(app, [&] { PressKey(app, VK_RIGHT); }, "Right");                        // +1
    ExpectDayChanges(app, [&] { PressKey(app, 'T', {VK_CONTROL}); }, "Ctrl+T");              // 0
    ExpectDayChanges(app, [&] { PressKey(app, VK_RIGHT); }, "Right");                        // +1
    ExpectDayChanges(app, [&] { PressKey(app, VK_HOME, {VK_CONTROL}); }, "Ctrl+Home");       // 0
    ExpectDayChanges(app, [&] { PressKey(app, VK_LEFT); }, "Left");                          // -1
    EXPECT_TRUE(SaveScreenshot(app.window, L"previous_day"));
    // The menu promises Ctrl+Q for Exit.
    ASSERT_TRUE(PressKey(app, 'Q', {VK_CONTROL}));
    EXPECT_EQ(WaitForExit(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(today - 1));
    EXPECT_EQ(StoredOr(L"Lesson", 0), LessonKeyForDate(HebrewFromAbsolute(today - 1)));
    EXPECT_NE(StoredOr(L"Flags", 0) & kDayChosen, 0u);
}

TEST_F(Navigation, AChosenDayIsKeptAcrossARestartUntilToday) {
    const AbsoluteDay today = Today();
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    ExpectDayChanges(app, [&] { SendCommand(app, CMD_NEXT_DAY); }, "Go > Next day");
    ExpectDayChanges(app, [&] { SendCommand(app, CMD_NEXT_DAY); }, "Go > Next day");
    EXPECT_EQ(StoredDayAfterClosing(app), static_cast<DWORD>(today + 2));

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(app.window, L"chosen_day_after_restart"));
    EXPECT_EQ(StoredDayAfterClosing(app), static_cast<DWORD>(today + 2));
    EXPECT_NE(StoredOr(L"Flags", 0) & kDayChosen, 0u);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    ExpectDayChanges(app, [&] { SendCommand(app, CMD_TODAY); }, "Go > Today");
    EXPECT_EQ(StoredDayAfterClosing(app), static_cast<DWORD>(today));
    EXPECT_EQ(StoredOr(L"Flags", 0) & kDayChosen, 0u);
}

// Each refused step is followed by one that is seen to happen, so the
// refused one was handled before it.
TEST_F(Navigation, TheDaysTheCalendarCannotShowAreNotReached) {
    PutSetting(L"Flags", 0xD1140040 | kDayChosen);
    PutSetting(L"Day", static_cast<DWORD>(kLastSupportedDay));
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(app.window, L"last_day"));
    ExpectDayChanges(app, [&] { PressKey(app, VK_LEFT); }, "Left");
    ExpectDayChanges(app, [&] { PressKey(app, VK_RIGHT); }, "Right");
    ASSERT_TRUE(PressKey(app, VK_RIGHT));
    ASSERT_TRUE(PressKey(app, 'N', {VK_CONTROL}));
    ExpectDayChanges(app, [&] { PressKey(app, VK_LEFT); }, "Left");
    EXPECT_EQ(StoredDayAfterClosing(app), static_cast<DWORD>(kLastSupportedDay - 1));

    PutSetting(L"Day", static_cast<DWORD>(kFirstSupportedDay));
    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(app.window, L"first_day"));
    ExpectDayChanges(app, [&] { PressKey(app, VK_RIGHT); }, "Right");
    ExpectDayChanges(app, [&] { PressKey(app, VK_LEFT); }, "Left");
    ASSERT_TRUE(PressKey(app, VK_LEFT));
    ExpectDayChanges(app, [&] { PressKey(app, VK_RIGHT); }, "Right");
    EXPECT_EQ(StoredDayAfterClosing(app), static_cast<DWORD>(kFirstSupportedDay + 1));
}
