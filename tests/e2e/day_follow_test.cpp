// The day keeping up with the clock while the window stays open, and Go to
// Date. These tests move the wall clock that the program and this driver
// share, so they run on a clock of their own (scripts/moving-clock.sh) and
// only there; elsewhere they skip.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "calendar/date_caption.h"
#include "lessons/lesson_key.h"
#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr DWORD kDayChosen = 0x4;
constexpr int64_t kSecondsPerDay = 24 * 3600;

// The offset from the real wall clock, in the file both clocks read.
class MovingClock {
public:
    MovingClock() {
        wchar_t path[MAX_PATH] = {};
        if (GetEnvironmentVariableW(L"VARIDEL_CLOCK_FILE", path, MAX_PATH) == 0) return;
        path_ = WindowsPath(path);
        FILE* file = _wfopen(path_.c_str(), L"r");
        long long seconds = 0;
        if (file == nullptr || fscanf(file, "%llds", &seconds) != 1) path_.clear();
        if (file != nullptr) fclose(file);
        start_ = offset_ = seconds;
    }
    ~MovingClock() {
        if (Usable()) Write(start_);
    }
    bool Usable() const { return !path_.empty(); }

    void MoveBy(int64_t seconds) { Write(offset_ + seconds); }
    // The local clock then reads `time` of the day it shows now.
    void SetTimeOfDay(int hour, int minute, int second) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        const int64_t from = (now.wHour * 60 + now.wMinute) * 60 + now.wSecond;
        MoveBy((hour * 60 + minute) * 60 + second - from);
    }

private:
    void Write(int64_t seconds) {
        FILE* file = _wfopen(path_.c_str(), L"w");
        ASSERT_NE(file, nullptr);
        fprintf(file, "%+llds\n", static_cast<long long>(seconds));
        fclose(file);
        offset_ = seconds;
    }

    std::wstring path_;
    int64_t start_ = 0;
    int64_t offset_ = 0;
};

std::u16string CaptionOf(AbsoluteDay day) {
    char field[kCaptionFieldSize] = {};
    FormatHebrewDateCaption(HebrewFromAbsolute(day), field);
    return std::u16string(field, field + strlen(field));
}

// The caption the program shows, as a screen reader hears it.
std::u16string ShownCaption(const RunningApp& app) {
    IAccessible* pane = nullptr;
    if (FAILED(AccessibleObjectFromWindow(app.window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&pane)))) {
        return u"";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::u16string caption;
    if (SUCCEEDED(pane->get_accName(self, &name)) && name != nullptr) {
        caption.assign(reinterpret_cast<const char16_t*>(name), SysStringLen(name));
        SysFreeString(name);
    }
    pane->Release();
    return caption;
}

bool WaitForCaption(const RunningApp& app, AbsoluteDay day, DWORD limitMs = kWaitLimitMs) {
    return WaitFor([&] { return ShownCaption(app) == CaptionOf(day); }, limitMs);
}

// Sends `message` and returns once the program has handled it.
void Deliver(const RunningApp& app, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(app.window, message, wParam, 0, SMTO_NORMAL, kWaitLimitMs, &result);
}

class DayFollow : public testing::Test {
protected:
    void SetUp() override {
        if (!clock_.Usable()) GTEST_SKIP() << "needs the moving clock of scripts/moving-clock.sh";
        EndLeftoverApps();
        ClearSettings();
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override {
        if (!clock_.Usable()) return;
        EndLeftoverApps();
        CoUninitialize();
    }

    MovingClock clock_;
};

TEST_F(DayFollow, AWindowOpenAtMidnightTurnsToTheNewDay) {
    clock_.SetTimeOfDay(23, 59, 50);
    const AbsoluteDay day = Today();
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    ASSERT_EQ(ShownCaption(app), CaptionOf(day));
    EXPECT_TRUE(WaitForCaption(app, day + 1, 60000)) << "still on the evening's day after midnight";
    EXPECT_TRUE(SaveScreenshot(app.window, L"after_midnight"));
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(day + 1));
    EXPECT_EQ(StoredOr(L"Lesson", 0), LessonKeyForDate(HebrewFromAbsolute(day + 1)));
    EXPECT_EQ(StoredOr(L"Flags", kDayChosen) & kDayChosen, 0u) << "the reader still follows today";
}

// Each notice of a turn the timer may have missed turns the day, once the
// clock has moved; with the clock where it was, it changes nothing.
TEST_F(DayFollow, AClockChangeAWakeAndAnUnlockTurnTheDay) {
    const struct {
        const char* what;
        UINT message;
        WPARAM wParam;
    } notices[] = {
        {"the clock changed", WM_TIMECHANGE, 0},
        {"the computer woke", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
        {"the session was unlocked", WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK},
    };
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    AbsoluteDay day = Today();
    ASSERT_TRUE(PressKey(app, VK_NEXT));  // a place in the lesson that a turn would leave
    ASSERT_TRUE(WaitUntilIdle(app));
    const std::vector<uint32_t> text = TextPixels(app);
    for (const auto& notice : notices) {
        Deliver(app, notice.message, notice.wParam);
        EXPECT_EQ(ShownCaption(app), CaptionOf(day)) << notice.what << ", the day unchanged";
        EXPECT_EQ(TextPixels(app), text) << notice.what << ": the place in the lesson kept";
    }
    for (const auto& notice : notices) {
        clock_.MoveBy(kSecondsPerDay);
        ++day;
        ASSERT_TRUE(PostMessageW(app.window, notice.message, notice.wParam, 0));
        EXPECT_TRUE(WaitForCaption(app, day)) << notice.what;
    }
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(day));
    EXPECT_EQ(StoredOr(L"Flags", kDayChosen) & kDayChosen, 0u);
}

TEST_F(DayFollow, AChosenDayStaysWhenTheClockMoves) {
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const AbsoluteDay chosen = Today() + 1;
    ASSERT_TRUE(PressKey(app, VK_RIGHT));
    ASSERT_TRUE(WaitForCaption(app, chosen));
    clock_.MoveBy(2 * kSecondsPerDay);
    Deliver(app, WM_TIMECHANGE, 0);
    EXPECT_EQ(ShownCaption(app), CaptionOf(chosen));
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(chosen));
    EXPECT_NE(StoredOr(L"Flags", 0) & kDayChosen, 0u);
}

// The picker's date, read and written in the program's own memory: the
// picker takes a pointer.
class PickerTime {
public:
    PickerTime(const RunningApp& app, HWND picker)
        : process_(app.process.hProcess),
          picker_(picker),
          remote_(VirtualAllocEx(process_, nullptr, sizeof(SYSTEMTIME), MEM_COMMIT, PAGE_READWRITE)) {}
    ~PickerTime() { VirtualFreeEx(process_, remote_, 0, MEM_RELEASE); }

    SYSTEMTIME Get() const {
        SYSTEMTIME time{};
        SendMessageW(picker_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(remote_));
        ReadProcessMemory(process_, remote_, &time, sizeof time, nullptr);
        return time;
    }
    void Set(const SYSTEMTIME& time) const {
        WriteProcessMemory(process_, remote_, &time, sizeof time, nullptr);
        SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(remote_));
    }

private:
    HANDLE process_;
    HWND picker_;
    void* remote_;
};

AbsoluteDay DayOf(const SYSTEMTIME& time) { return AbsoluteFromGregorian({time.wMonth, time.wDay, time.wYear}); }

std::u16string TextOf(HWND control) {
    wchar_t text[64] = {};
    GetWindowTextW(control, text, 64);
    return reinterpret_cast<const char16_t*>(text);
}

TEST_F(DayFollow, GoToDateOpensOnTheDayShownAndGoesToTheDatePicked) {
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const AbsoluteDay today = Today();
    ASSERT_TRUE(PressKey(app, 'G', {VK_CONTROL}));
    HWND dialog = WaitForDialog(app, L"Go to Date");
    ASSERT_NE(dialog, nullptr);
    HWND picker = GetDlgItem(dialog, IDC_GOTO_PICKER);
    HWND hebrew = GetDlgItem(dialog, IDC_GOTO_HEBREW);
    const PickerTime time(app, picker);
    EXPECT_EQ(DayOf(time.Get()), today);
    EXPECT_EQ(TextOf(hebrew), CaptionOf(today));
    EXPECT_TRUE(SaveScreenshot(dialog, L"go_to_date"));

    SYSTEMTIME birthday{};
    birthday.wYear = 1990;
    birthday.wMonth = 6;
    birthday.wDay = 15;
    time.Set(birthday);
    // A change through the picker's own keys (it has the focus): to a field
    // that counts, and one up. The Hebrew date follows.
    ASSERT_TRUE(PressKeyIn(app, dialog, VK_RIGHT));
    ASSERT_TRUE(PressKeyIn(app, dialog, VK_UP));
    AbsoluteDay picked = 0;
    EXPECT_TRUE(WaitFor([&] {
        picked = DayOf(time.Get());
        return picked != DayOf(birthday) && TextOf(hebrew) == CaptionOf(picked);
    })) << "the Hebrew date under the picker";
    ASSERT_TRUE(PressKeyIn(app, dialog, VK_RETURN));
    EXPECT_TRUE(WaitForCaption(app, picked));
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(picked));
    EXPECT_NE(StoredOr(L"Flags", 0) & kDayChosen, 0u) << "as a day picked in the calendar";
}

}  // namespace
