// Lesson keys on the command line: 0x0E1D (hex), 3613 (decimal) or 14/29
// (lesson month / day).
#pragma once

#include "lessons/lesson_key.h"

// Parses `text` into `*key`; false (with a message on stderr naming
// `command`) for anything else or a value over 0xFFFF.
bool ParseLessonKeyArgument(const char* command, const char* text, LessonKey* key);
