// A lesson text as plain text: the clipboard's form (one line per paragraph,
// rules as rows of hyphens, CR LF line ends, an empty line after paragraphs
// with the blank-line bit) and a word-wrapped form for a terminal. Both are
// UTF-8, byte b of the lesson becoming U+00bb.
#pragma once

#include <cstdint>
#include <string>

std::string LessonClipboardText(const uint8_t* text, size_t size);

// Wrapped to `columns`, with centred and right-aligned paragraphs, labels in
// a hanging margin and LF line ends.
std::string LessonTerminalText(const uint8_t* text, size_t size, int columns);

void AppendLatin1AsUtf8(std::string* out, const uint8_t* bytes, size_t count);
