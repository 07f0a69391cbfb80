// The clipboard's side of Copy and Append: text put and read back, appended
// after another program's text or data, and a lesson too long for its buffer
// leaving the clipboard alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "export/clipboard_win32.h"
#include "lessons/core_message.h"

namespace {

// Puts `bytes` on the clipboard as `format`, as another program would.
void PutRawClipboard(UINT format, const void* bytes, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(GlobalLock(block), bytes, size);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (SetClipboardData(format, block) == nullptr) GlobalFree(block);
    CloseClipboard();
}

void PutOtherText(const std::u16string& text) {
    PutRawClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(char16_t));
}

void EmptyTheClipboard() {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
}

// The clipboard's Unicode text; empty when it holds none.
std::u16string ClipboardText() {
    std::u16string result;
    if (!OpenClipboard(nullptr)) return result;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const auto* text = data != nullptr ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr) {
        result = text;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return result;
}

TEST(Clipboard, CopyReplacesAndAppendFollowsWhateverWasThere) {
    struct Case {
        const char* what;
        void (*before)();
        bool append;
        std::u16string expected;
    };
    const Case cases[] = {
        {"copy over text", [] { PutOtherText(u"old\r\n"); }, false, u"lesson\r\n"},
        {"append after text", [] { PutOtherText(u"old\r\n"); }, true, u"old\r\nlesson\r\n"},
        {"append after text without a line end", [] { PutOtherText(u"old"); }, true, u"oldlesson\r\n"},
        {"append to an empty clipboard", [] { EmptyTheClipboard(); }, true, u"lesson\r\n"},
        {"append to an empty text", [] { PutOtherText(u""); }, true, u"lesson\r\n"},
        {"append after data that is not text",
         [] {
             const char bytes[] = "\x01\x02\x03";
             PutRawClipboard(RegisterClipboardFormatW(L"Varidel test data"), bytes, sizeof bytes);
         },
         true, u"lesson\r\n"},
    };
    for (const Case& c : cases) {
        c.before();
        PutClipboardText(nullptr, u"lesson\r\n", c.append);
        EXPECT_EQ(ClipboardText(), c.expected) << c.what;
    }
}

std::string g_shown;
void KeepMessage(const char* text, MessageOwner owner) {
    g_shown += text;
    g_shown += owner == MessageOwner::MainWindow ? " (main window)\n" : " (no window)\n";
}

TEST(Clipboard, ALessonTooLongForItsBufferLeavesTheClipboardAlone) {
    const char text[] = "\x01\x00" "abcdefgh\0\0\0";
    PutOtherText(u"kept\r\n");
    SetCoreMessageHook(KeepMessage);
    g_shown.clear();
    CopyLessonTextToClipboard(nullptr, text, 8, false);
    CopyLessonTextToClipboard(nullptr, text, 8, true);
    SetCoreMessageHook(nullptr);
    EXPECT_EQ(g_shown, "(obuf > (start + size)) (main window)\n(obuf > (start + size)) (main window)\n");
    EXPECT_EQ(ClipboardText(), u"kept\r\n");

    CopyLessonTextToClipboard(nullptr, text, 22, true);  // "abcdefgh", CR LF and the end: 11 units
    EXPECT_EQ(ClipboardText(), u"kept\r\nabcdefgh\r\n");
}

TEST(Clipboard, WithoutAPaneNothingIsCopied) {
    PutOtherText(u"kept");
    CopyLessonToClipboard(nullptr, nullptr, false);
    EXPECT_EQ(ClipboardText(), u"kept");
}

}  // namespace
