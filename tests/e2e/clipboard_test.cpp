// Copy and Append to ClipBoard as a person uses them, the clipboard read back
// by this driver as any other program reads it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "lessons/clipboard_text.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_win32.h"
#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

class ClipboardExport : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        day_ = Today() + 40;
        PutSetting(L"Flags", kDefaultFlags | kFlagDayChosen);
        PutSetting(L"Day", static_cast<DWORD>(day_));
    }
    void TearDown() override { EndLeftoverApps(); }

    AbsoluteDay day_ = 0;
};

// The clipboard text of the lesson of `day` from Varidel.exe's own book.
std::u16string LessonTextOf(AbsoluteDay day) {
    HMODULE module = LoadLibraryExW(g_exePath.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    SetLessonResourceModule(module);
    char* text = LoadLessonText(LessonKeyForDate(HebrewFromAbsolute(day)), nullptr);
    std::u16string result;
    if (text != nullptr) {
        std::vector<char16_t> buffer(ClipboardTextSize(text) / 2);
        if (LessonToClipboardText(text, buffer.data(), buffer.size() * 2) == 0) result = buffer.data();
        free(text);
    }
    SetLessonResourceModule(nullptr);
    FreeLibrary(module);
    return result;
}

void PutOtherText(const std::u16string& text) {
    const size_t size = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(block), text.c_str(), size);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
    CloseClipboard();
}

std::u16string ClipboardText() {
    std::u16string text;
    if (!OpenClipboard(nullptr)) return u"(the clipboard could not be opened)";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* units = data != nullptr ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr) {
        text = units;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Waits for the clipboard to hold `expected`, and says what it held instead.
void ExpectClipboard(const std::u16string& expected, const char* what) {
    std::u16string seen;
    const bool held = WaitFor([&] { return (seen = ClipboardText()) == expected; });
    EXPECT_TRUE(held) << what << ": the clipboard holds " << seen.size() << " units, " << expected.size()
                      << " expected";
}

}  // namespace

TEST_F(ClipboardExport, CopyThenAppendCollectsTwoDays) {
    const std::u16string first = LessonTextOf(day_);
    const std::u16string second = LessonTextOf(day_ + 1);
    ASSERT_FALSE(first.empty());
    ASSERT_NE(first, second);
    PutOtherText(u"from another program\r\n");
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);

    ASSERT_TRUE(PressKey(app, 'C', {VK_CONTROL}));
    ExpectClipboard(first, "Ctrl+C");
    ASSERT_TRUE(PressKey(app, VK_RIGHT));
    ASSERT_TRUE(PressKey(app, 'E', {VK_CONTROL}));
    ExpectClipboard(first + second, "Ctrl+E on the next day");

    SendCommand(app, CMD_COPY);
    ExpectClipboard(second, "File > Copy");
    EXPECT_EQ(CloseApp(app), 0u);
}

// Another program's text stays in front of the lesson, also when that
// program holds the clipboard a moment as Append starts; one that holds it
// throughout leaves it as it was.
TEST_F(ClipboardExport, AppendKeepsAnotherProgramsTextInFront) {
    const std::u16string other = u"Notes of another program, without a line end";
    const std::u16string lesson = LessonTextOf(day_);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    struct Case {
        const char* what;
        bool hold;
        bool throughout;
        std::u16string expected;
    };
    const Case cases[] = {{"not held", false, false, other + lesson},
                          {"held a moment", true, false, other + lesson},
                          {"held throughout", true, true, other}};
    for (const Case& c : cases) {
        PutOtherText(other);
        ASSERT_TRUE(!c.hold || OpenClipboard(nullptr)) << c.what;
        // Sent, not posted: the command has run when the call returns.
        std::thread append([&] { SendMessageW(app.window, WM_COMMAND, MAKEWPARAM(CMD_APPEND, 0), 0); });
        if (c.throughout) append.join();
        if (c.hold && !c.throughout) {
            // Let go once the program is inside the command, waiting for
            // the clipboard: until then it answers at once.
            ASSERT_TRUE(WaitFor([&] {
                DWORD_PTR answer = 0;
                return SendMessageTimeoutW(app.window, WM_NULL, 0, 0, SMTO_NORMAL, 5, &answer) == 0;
            })) << c.what;
        }
        if (c.hold) CloseClipboard();
        if (append.joinable()) append.join();
        ExpectClipboard(c.expected, c.what);
    }
    EXPECT_EQ(CloseApp(app), 0u);
}
