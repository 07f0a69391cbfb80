// Start-up of the real program: the first run, odd settings, the gutter,
// the scroll bar's side, and a second start handing over to the first.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "lessons/lesson_key.h"
#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kDayChosen = 0x4;

class Startup : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        ClearGutter();
    }
    void TearDown() override {
        EndLeftoverApps();
        ClearGutter();
    }
};

std::vector<uint8_t> Utf16(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.c_str());
    return std::vector<uint8_t>(bytes, bytes + text.size() * 2);
}

// The leftmost column and the top row of anything drawn in the text area.
POINT FirstInk(const RunningApp& app) {
    const WindowParts parts = PartsOf(app);
    const ClientPixels pixels = CaptureClient(app.window);
    POINT ink{pixels.width, pixels.height};
    for (int y = parts.toolbarBottom; y < parts.stripTop; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            if (pixels.At(x, y) == 0xFFFFFF) continue;
            ink.x = std::min<LONG>(ink.x, x);
            ink.y = std::min<LONG>(ink.y, y);
        }
    }
    return ink;
}

// A copy of the program under a name of its own, which wine's per-program
// settings make see the old consumer platform; other runs stay apart.
class OldPlatformCopy {
public:
    OldPlatformCopy()
        : path_(g_exePath.substr(0, g_exePath.find_last_of(L'\\') + 1) + L"VaridelOldPlatform.exe") {
        copied_ = CopyFileW(g_exePath.c_str(), path_.c_str(), FALSE) != FALSE;
        RegSetKeyValueW(HKEY_CURRENT_USER, kSettings, L"Version", REG_SZ, L"win98", sizeof(L"win98"));
    }
    ~OldPlatformCopy() {
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettings);
        DeleteFileW(path_.c_str());
    }
    bool copied() const { return copied_; }
    const std::wstring& path() const { return path_; }

private:
    static constexpr wchar_t kSettings[] = L"Software\\Wine\\AppDefaults\\VaridelOldPlatform.exe";
    std::wstring path_;
    bool copied_;
};

std::vector<std::wstring> StaticTexts(HWND dialog) {
    std::vector<std::wstring> texts;
    for (HWND child = FindWindowExW(dialog, nullptr, L"Static", nullptr); child != nullptr;
         child = FindWindowExW(dialog, child, L"Static", nullptr)) {
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        texts.emplace_back(text);
    }
    return texts;
}

}  // namespace

TEST_F(Startup, TheOldConsumerPlatformIsRefused) {
    const OldPlatformCopy copy;
    ASSERT_TRUE(copy.copied());
    RunningApp app = StartSecondCopy(copy.path());
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowW(L"#32770", L"www.quorrin.example")) != nullptr; }))
        << "no refusal shown";
    const std::vector<std::wstring> texts = StaticTexts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        L"This Application does NOT run on:\n\n\tWINDOWS 95\n\tWINDOWS 98\n\tWINDOWS ME\n"),
              texts.end());
    EXPECT_EQ(FindMainWindow(), nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForExit(app), static_cast<DWORD>(-1));
    KillApp(app);
}

TEST_F(Startup, FirstRunOpensOnTodaysLessonWithTheDefaults) {
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr) << "no window of class Varidel-English titled Varidel";
    EXPECT_TRUE(SaveScreenshot(app.window, L"first_run"));
    EXPECT_FALSE(GetWindowLongW(app.window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
    EXPECT_NE(GetMenu(app.window), nullptr);
    HWND toolbar = FindWindowExW(app.window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 6);
    // Something of the lesson is drawn below the toolbar.
    const WindowParts parts = PartsOf(app);
    EXPECT_LT(FirstInk(app).y, parts.stripTop);

    SendCommand(app, CMD_EXIT);
    EXPECT_EQ(WaitForExit(app), 0u);
    const AbsoluteDay today = Today();
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(today));
    EXPECT_EQ(StoredOr(L"Lesson", 0), LessonKeyForDate(HebrewFromAbsolute(today)));
    EXPECT_EQ(StoredOr(L"Flags", 0), kDefaultFlags);
    EXPECT_EQ(StoredOr(L"LastPosition", 99), 0u);
    EXPECT_EQ(StoredOr(L"showCmd", 0), static_cast<DWORD>(SW_SHOWNORMAL));
    EXPECT_GT(StoredOr(L"Width", 0), 0u);
    EXPECT_GT(StoredOr(L"Height", 0), 0u);
    // Nothing unset is written.
    DWORD unused = 0;
    EXPECT_FALSE(ReadSetting(L"FontSize", &unused));
}

TEST_F(Startup, DamagedOrHandEditedSettingsNeverStopIt) {
    const std::function<void()> damages[] = {
        [] {  // strings where numbers belong
            PutSettingString(L"Day", L"garbage");
            PutSettingString(L"Flags", L"-1");
            PutSettingString(L"FontSize", L"huge");
            PutSettingString(L"Lesson", L"0x0E1D");
            PutSettingString(L"LastPosition", L"65536");
            PutSettingString(L"showCmd", L"3x");
            PutSettingString(L"Left", L"-99999999999");
            PutSettingString(L"Width", L"abc");
        },
        [] {  // every number as large as it goes
            for (const wchar_t* name : {L"Day", L"Flags", L"FontSize", L"FontAsciiBase", L"LastPosition",
                                        L"Lesson", L"Width", L"Height", L"showCmd"}) {
                PutSetting(name, 0xFFFFFFFF);
            }
            PutSetting(L"Left", 0x7FFFFFF0);
            PutSetting(L"Top", 0x80000000);
        },
        [] {  // wrong types and sizes
            PutSettingBytes(L"Day", REG_BINARY, {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
            PutSettingBytes(L"Flags", REG_DWORD, {0x40, 0x00});
            PutSettingBytes(L"Lesson", REG_DWORD, {1, 2, 3, 4, 5, 6, 7, 8});
            PutSettingBytes(L"FontName", REG_BINARY, {0x41, 0x00, 0x42});
            PutSettingBytes(L"SearchString", REG_SZ, Utf16(std::wstring(500, L'x')));
            PutSettingString(L"FontName", std::wstring(300, L'F'));
            PutSetting(L"FontSize", 0x7FFFFFFF);
        },
        [] {  // a chosen day without a day, and a lesson of no month
            PutSetting(L"Flags", kDefaultFlags | kDayChosen);
            PutSetting(L"Day", 0);
            PutSetting(L"Lesson", 0x0F01);
        },
    };
    int run = 0;
    for (const auto& damage : damages) {
        ClearSettings();
        damage();
        RunningApp app = StartApp();
        ASSERT_NE(app.window, nullptr) << "damage " << run;
        EXPECT_TRUE(SaveScreenshot(app.window, L"damaged_settings_" + std::to_wstring(run)));
        EXPECT_EQ(CloseApp(app), 0u) << "damage " << run;
        const DWORD day = StoredOr(L"Day", 0);
        EXPECT_TRUE(IsSupportedDay(static_cast<AbsoluteDay>(day))) << "damage " << run << ": " << day;
        ++run;
    }
}

TEST_F(Startup, TheGutterSetByHandFramesTheText) {
    // A day whose lesson has left-aligned lines.
    PutSetting(L"Flags", kDefaultFlags | kDayChosen);
    PutSetting(L"Day", static_cast<DWORD>(AbsoluteFromGregorian({3, 20, 2027})));
    PutGutter(0);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(app.window, L"gutter_0"));
    const POINT tight = FirstInk(app);
    EXPECT_EQ(CloseApp(app), 0u);

    PutGutter(60);
    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(app.window, L"gutter_60"));
    const WindowParts parts = PartsOf(app);
    const POINT framed = FirstInk(app);
    EXPECT_EQ(CloseApp(app), 0u);

    EXPECT_LT(tight.x, 60);
    EXPECT_GE(framed.x, 60);
    EXPECT_GE(framed.y, parts.toolbarBottom - 1 + 60);
    EXPECT_LT(framed.y, parts.stripTop);
    // The program never writes the gutter itself.
    EXPECT_EQ(StoredOr(L"SurroundingGutter", 12345), 12345u);
}

// A bar shows only while there is something to scroll: the lesson is given a
// large font in a small window.
TEST_F(Startup, TheScrollBarStandsWhereFlagsSay) {
    PutLargeFontInSmallWindow();
    PutSetting(L"Flags", kDefaultFlags);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(GetWindowLongW(app.window, GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetWindowLongW(app.window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
    EXPECT_EQ(CloseApp(app), 0u);

    PutSetting(L"Flags", 0x80);  // left, even without the right-hand bit
    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(GetWindowLongW(app.window, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(GetWindowLongW(app.window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR);
    EXPECT_TRUE(SaveScreenshot(app.window, L"scroll_bar_left"));
    EXPECT_EQ(CloseApp(app), 0u);

    PutSetting(L"Flags", kDefaultFlags & ~0xC0u);
    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_FALSE(GetWindowLongW(app.window, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(Startup, ASecondStartInFrontMovesTheFirstToToday) {
    RunningApp first = StartApp();
    ASSERT_NE(first.window, nullptr);
    SendCommand(first, CMD_PREVIOUS_DAY);
    ASSERT_TRUE(BringToFront(first));
    const std::vector<uint32_t> strip = StripPixels(first);

    RunningApp second = StartSecondCopy();
    EXPECT_EQ(WaitForExit(second), 0u);
    EXPECT_TRUE(WaitForChange(first, StripPixels, strip)) << "the first copy stayed on its day";
    EXPECT_EQ(FindMainWindow(), first.window);
    EXPECT_EQ(GetForegroundWindow(), first.window);
    EXPECT_EQ(CloseApp(first), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(Today()));
    EXPECT_EQ(StoredOr(L"Flags", 0) & kDayChosen, 0u);
}

TEST_F(Startup, ASecondStartBehindAnotherProgramBringsTheFirstForward) {
    RunningApp first = StartApp();
    ASSERT_NE(first.window, nullptr);
    SendCommand(first, CMD_PREVIOUS_DAY);
    HWND other = CreateWindowExW(0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 50, 50, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == other; }));

    RunningApp second = StartSecondCopy();
    EXPECT_EQ(WaitForExit(second), 0u);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == first.window; }));
    DestroyWindow(other);
    EXPECT_EQ(CloseApp(first), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(Today() - 1));
    EXPECT_NE(StoredOr(L"Flags", 0) & kDayChosen, 0u);
}
