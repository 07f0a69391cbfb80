// Copy and Append to ClipBoard: the pane's lesson as Unicode text on the
// clipboard, alone or after the text already there.
#pragma once

#include <cstddef>

struct TextView;

// A new buffer with the clipboard's Unicode text, without its terminator, and
// its length in bytes in `byteLength`; null and 0 when the clipboard holds no
// text (or an empty one) or stays held by another program for a fifth of a
// second. The caller releases it with free().
char16_t* ReadClipboardText(size_t* byteLength);

// Puts the zero-terminated `text` on the clipboard; with `append`, after the
// text already there, with nothing between them. When another program holds
// the clipboard for a fifth of a second, or the memory block cannot be had,
// the clipboard stays as it was.
void PutClipboardText(const char16_t* text, bool append);

// Copy (append off) or Append to ClipBoard (on) of the pane's lesson; nothing
// without a pane or a lesson.
void CopyLessonToClipboard(TextView* pane, bool append);

// The same for a lesson text converted in a buffer of `bufferSize` bytes.
// When it does not fit, the message "(obuf > (start + size))" is shown and
// the clipboard stays as it was.
void CopyLessonTextToClipboard(const char* text, size_t bufferSize, bool append);
