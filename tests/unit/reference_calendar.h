// The Hebrew conversions as first written: month by month, each month length
// working out the year's elapsed days again. Slow, and plainly right; the
// tests check the calendar against it and the benchmarks measure against it.
#pragma once

#include "calendar/hebrew_calendar.h"

int32_t ReferenceElapsedDays(int32_t year);
int32_t ReferenceDaysInYear(int32_t year);
int32_t ReferenceDaysInMonth(int32_t month, int32_t year);
AbsoluteDay ReferenceAbsoluteFromHebrew(HebrewDate date);

// The year search, then a forward month search from a first month guessed
// from the civil month. Far from the present that guess can lie after the
// day within its year: `mended` then starts the search again from Tishrei,
// while unmended the result is not a real date.
HebrewDate ReferenceHebrewFromAbsolute(AbsoluteDay day, bool mended);
