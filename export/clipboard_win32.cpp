// The clipboard's side of Copy and Append to ClipBoard. The clipboard is
// opened once per step that needs it, without retry, and closed again in the
// same step.
#include "export/clipboard_win32.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "app/settings_win32.h"
#include "export/clipboard_text.h"
#include "view/text_view.h"

char16_t* ReadClipboardText(size_t* byteLength) {
    *byteLength = 0;
    if (!OpenClipboard(nullptr)) return nullptr;
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
    CloseClipboard();
    return copy;
}

void PutClipboardText(const char16_t* text, bool append) {
    size_t oldBytes = 0;
    char16_t* old = append ? ReadClipboardText(&oldBytes) : nullptr;
    size_t length = 0;
    while (text[length] != 0) ++length;
    const size_t newBytes = (length + 1) * sizeof(char16_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, oldBytes + newBytes);
    auto* bytes = block != nullptr ? static_cast<char*>(GlobalLock(block)) : nullptr;
    if (bytes == nullptr) {
        free(old);
        if (block != nullptr) GlobalFree(block);
        return;
    }
    if (old != nullptr) memcpy(bytes, old, oldBytes);
    memcpy(bytes + oldBytes, text, newBytes);
    free(old);
    GlobalUnlock(block);
    // Opened by the main window: emptied by no window, the clipboard would
    // have no owner and may refuse the data.
    if (!OpenClipboard(g_app.mainWindow)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    // The clipboard owns a block it took; one it refused is still ours.
    if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
    CloseClipboard();
}

void CopyLessonToClipboard(TextView* pane, bool append) {
    if (pane == nullptr || pane->text == nullptr) return;
    CopyLessonTextToClipboard(pane->text, ClipboardTextSize(pane->text), append);
}

void CopyLessonTextToClipboard(const char* text, size_t bufferSize, bool append) {
    auto* buffer = static_cast<char16_t*>(AllocOrQuit(bufferSize));
    if (buffer == nullptr) return;
    if (LessonToClipboardText(text, buffer, bufferSize) == 0) PutClipboardText(buffer, append);
    free(buffer);
}
