// A lesson as the clipboard takes it: UTF-16, one line per paragraph (its
// bytes widened unit by unit, a rule as a row of hyphens), CR LF after every
// paragraph and a second CR LF after one with the blank-line bit, then a
// zero unit. No indentation, labels or wrapping. The book tool's `text`
// command writes the same text as UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>

// Units of a paragraph's line before its line end: its body widened, or the
// hyphens of a rule.
int32_t ClipboardLineUnits(uint8_t style, uint8_t indent, size_t bodyLength);
// Units of the line end after it: CR LF, and a second CR LF for a paragraph
// with the blank-line bit.
int32_t ClipboardLineEndUnits(uint8_t style);

// Bytes of a buffer that always holds the clipboard text of the lesson text
// `text` (zero-terminated paragraphs up to a zero style byte).
size_t ClipboardTextSize(const char* text);

// Writes the clipboard text of `text` into the first `size` / 2 units of
// `buffer` and returns 0. When it does not fit, nothing is written past them,
// "(obuf > (start + size))" is shown (owned by the main window, no caption)
// and the result is 1.
int LessonToClipboardText(const char* text, char16_t* buffer, size_t size);
