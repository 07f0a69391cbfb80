// Civil dates as the user's locale writes them.
#pragma once

#include <windows.h>

#include "calendar/hebrew_calendar.h"

// The civil date of `day` as the system keeps a date, its time midnight.
SYSTEMTIME CivilTimeOf(AbsoluteDay day);

// Writes the civil date of `day` into `out` (`units` long, zero-terminated)
// as the picture `format` of the user's locale gives it ("MMM yyyy", say), or
// in the user's long date format for a null picture ("Tuesday, 8 December
// 2026"). Returns the units written before the zero; 0, with `out` empty,
// when the system cannot write that date (it writes none before 1601).
int FormatCivilDate(AbsoluteDay day, const wchar_t* format, wchar_t* out, int units);
