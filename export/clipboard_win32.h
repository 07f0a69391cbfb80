// Copy and Append to ClipBoard: the pane's lesson as Unicode text on the
// clipboard, alone or after the text already there.
#pragma once

#include <windows.h>

#include <cstddef>

struct TextView;

// Puts the zero-terminated `text` on the clipboard, which `owner` opens (the
// main window: a clipboard emptied by no window has no owner and may refuse
// the data); with `append`, after the text already there, with nothing
// between them. When another program holds the clipboard for a fifth of a
// second, or the memory block cannot be had, the clipboard stays as it was.
void PutClipboardText(HWND owner, const char16_t* text, bool append);

// Copy (append off) or Append to ClipBoard (on) of the pane's lesson; nothing
// without a pane or a lesson.
void CopyLessonToClipboard(HWND owner, const TextView* pane, bool append);

// The same for a lesson text converted in a buffer of `bufferSize` bytes.
// When it does not fit, the message "(obuf > (start + size))" is shown and
// the clipboard stays as it was.
void CopyLessonTextToClipboard(HWND owner, const char* text, size_t bufferSize, bool append);
