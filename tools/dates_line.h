// One line of `varidel-book dates`: the civil date, the day number, the
// Hebrew date as month/day/year, the lesson key and the date caption,
// tab-separated, ending in a newline.
#pragma once

#include <cstddef>

#include "calendar/hebrew_calendar.h"

// Room for the line of any day.
constexpr size_t kMaxDatesLineLength = 128;

// Writes the line of `day` into `line` (kMaxDatesLineLength bytes) without a
// terminator and returns its length.
size_t FormatDatesLine(AbsoluteDay day, char* line);
