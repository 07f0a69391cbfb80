// A lesson text word-wrapped for a terminal: centred and right-aligned
// paragraphs, labels in a hanging margin, rules as rows of hyphens, LF line
// ends, UTF-8 (byte b of the lesson becoming U+00bb).
#pragma once

#include <cstdint>
#include <string>

std::string LessonTerminalText(const uint8_t* text, size_t size, int columns);
