// The clipboard's side of Copy and Append to ClipBoard. Each is one opening
// of the clipboard: Append reads what is there and puts the joined text back
// before another program can change it between.
#include "export/clipboard_win32.h"

#include <cstdlib>
#include <cstring>

#include "lessons/clipboard_text.h"
#include "platform/alloc_or_quit.h"
#include "view/text_view.h"

namespace {

// Another program (a clipboard viewer, a history tool) may hold the
// clipboard for a moment: it is tried for a fifth of a second before it
// counts as refused.
constexpr int kOpenTries = 20;
constexpr DWORD kOpenPauseMs = 10;

bool OpenClipboardPatiently(HWND owner) {
    for (int i = 0; i < kOpenTries; ++i) {
        if (OpenClipboard(owner)) return true;
        Sleep(kOpenPauseMs);
    }
    return false;
}

// A copy of the clipboard's Unicode text without its terminator, from the
// clipboard this thread has open, and its length in bytes in `byteLength`;
// null, with `byteLength` left as it was, when it holds no text or an empty
// one. The caller releases it with free().
char16_t* CopyOpenClipboardText(size_t* byteLength) {
    char16_t* copy = nullptr;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        // Another program's block may lack its terminator: the text ends
        // with the block at the latest.
        const size_t limit = GlobalSize(data) / sizeof(char16_t);
        size_t length = 0;
        while (length < limit && text[length] != 0) ++length;
        if (length != 0) copy = static_cast<char16_t*>(AllocOrQuit(length * sizeof(char16_t)));
        if (copy != nullptr) {
            memcpy(copy, text, length * sizeof(char16_t));
            *byteLength = length * sizeof(char16_t);
        }
        GlobalUnlock(data);
    }
    return copy;
}

// A movable block of `old` (`oldBytes` long) followed by the zero-terminated
// `text`; null when the memory cannot be had.
HGLOBAL JoinedBlock(const char16_t* old, size_t oldBytes, const char16_t* text) {
    size_t length = 0;
    while (text[length] != 0) ++length;
    const size_t newBytes = (length + 1) * sizeof(char16_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, oldBytes + newBytes);
    auto* bytes = block != nullptr ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (bytes == nullptr) {
        if (block != nullptr) GlobalFree(block);
        return nullptr;
    }
    if (old != nullptr) memcpy(bytes, old, oldBytes);
    memcpy(bytes + oldBytes, text, newBytes);
    GlobalUnlock(block);
    return block;
}

}  // namespace

void PutClipboardText(HWND owner, const char16_t* text, bool append) {
    if (!OpenClipboardPatiently(owner)) return;
    size_t oldBytes = 0;
    char16_t* old = append ? CopyOpenClipboardText(&oldBytes) : nullptr;
    HGLOBAL block = JoinedBlock(old, oldBytes, text);
    free(old);
    if (block != nullptr) {
        EmptyClipboard();
        // The clipboard owns a block it took; one it refused is still ours.
        if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
    }
    CloseClipboard();
}

void CopyLessonToClipboard(HWND owner, const TextView* pane, bool append) {
    if (pane == nullptr || pane->text == nullptr) return;
    CopyLessonTextToClipboard(owner, pane->text, ClipboardTextSize(pane->text), append);
}

void CopyLessonTextToClipboard(HWND owner, const char* text, size_t bufferSize, bool append) {
    auto* buffer = static_cast<char16_t*>(AllocOrQuit(bufferSize));
    if (buffer == nullptr) return;
    if (LessonToClipboardText(text, buffer, bufferSize) == 0) PutClipboardText(owner, buffer, append);
    free(buffer);
}
