// The View menu: the theme following the apps' mode Windows is set to, the
// reader's own choice kept between runs, and the zoom from the keys and the
// wheel kept as the reading size.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

const wchar_t kPersonalize[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr uint32_t kDarkPage = 0x1E1E1E;
constexpr uint32_t kLightPage = 0xFFFFFF;
// The font chooser's sizes, through which the zoom steps.
const std::vector<DWORD> kSizes = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72};

void PutAppsMode(bool light) {
    const DWORD value = light ? 1 : 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
}

uint32_t Page(const RunningApp& app) {
    std::map<uint32_t, size_t> counts;
    for (uint32_t pixel : TextPixels(app)) ++counts[pixel];
    uint32_t most = 0;
    size_t seen = 0;
    for (const auto& [colour, count] : counts) {
        if (count > seen) most = colour, seen = count;
    }
    return most;
}

bool WaitForPage(const RunningApp& app, uint32_t colour) {
    return WaitFor([&] { return Page(app) == colour; });
}

// The index of a stored size in the list; -1 when it is none of them.
int SizeIndex(DWORD size) {
    for (size_t i = 0; i < kSizes.size(); ++i) {
        if (kSizes[i] == size) return static_cast<int>(i);
    }
    return -1;
}

class ViewMenu : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
    }
    void TearDown() override {
        EndLeftoverApps();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme");
    }
};

TEST_F(ViewMenu, FollowingWindowsTheDarkAppsModeGivesADarkPaneUntilItChanges) {
    PutAppsMode(false);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(Page(app), kDarkPage);
    EXPECT_TRUE(SaveScreenshot(app.window, L"dark_following_windows"));
    PutAppsMode(true);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(app.window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_NORMAL,
                        kWaitLimitMs, &result);
    EXPECT_TRUE(WaitForPage(app, kLightPage)) << "light again without a restart";
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Theme", 99), 0u);
}

TEST_F(ViewMenu, TheThemeChosenOverridesWindowsAndIsKept) {
    PutAppsMode(true);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    SendCommand(app, CMD_THEME_DARK);
    EXPECT_TRUE(WaitForPage(app, kDarkPage));
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Theme", 99), 2u);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_EQ(Page(app), kDarkPage) << "after a restart";
    PutAppsMode(false);
    SendCommand(app, CMD_THEME_LIGHT);
    EXPECT_TRUE(WaitForPage(app, kLightPage)) << "light whatever Windows says";
    SendCommand(app, CMD_THEME_FOLLOW);
    EXPECT_TRUE(WaitForPage(app, kDarkPage));
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Theme", 99), 0u);
}

// Each step lays the lesson out anew: the text's pixels tell when the
// program has taken it.
void Zoom(RunningApp& app, const std::function<bool()>& step, const char* what) {
    const std::vector<uint32_t> before = TextPixels(app);
    ASSERT_TRUE(step()) << what;
    EXPECT_TRUE(WaitForChange(app, TextPixels, before)) << what;
}

TEST_F(ViewMenu, TheZoomStepsThroughTheSizesAndIsKept) {
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    for (int i = 0; i < 3; ++i) Zoom(app, [&] { return PressKey(app, VK_OEM_PLUS, {VK_CONTROL}); }, "Ctrl+Plus");
    EXPECT_EQ(CloseApp(app), 0u);
    const DWORD third = StoredOr(L"FontSize", 0);
    const int index = SizeIndex(third);
    ASSERT_GE(index, 2) << third << " is no size of the list three steps up";

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    // Ctrl and the wheel toward the reader, then the number pad's keys.
    Zoom(app, [&] {
        return PostMessageW(app.window, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-WHEEL_DELTA)), 0);
    }, "Ctrl and the wheel");
    Zoom(app, [&] { return PressKey(app, VK_ADD, {VK_CONTROL}); }, "Ctrl and the pad's plus");
    Zoom(app, [&] { return PressKey(app, VK_SUBTRACT, {VK_CONTROL}); }, "Ctrl and the pad's minus");
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"FontSize", 0), kSizes[index - 1]);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    Zoom(app, [&] { return PressKey(app, '0', {VK_CONTROL}); }, "Ctrl+0");
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"FontSize", 99), 0u) << "back to the default";
}

}  // namespace
