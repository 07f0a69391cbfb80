// Month names and the one-line date caption shown under the lesson,
// for example "5 Tishrei, 5767".
#pragma once

#include <cstddef>
#include <cstdint>

#include "calendar/hebrew_calendar.h"

// Size of the caption field in the application state, terminator included.
constexpr size_t kCaptionFieldSize = 20;

// Name of month 1..12 of a common year, or 1..13 of a leap year (12 "Adar I",
// 13 "Adar II"); null for any other.
const char* MonthName(int32_t month, bool leapYear);

// Name of a Hebrew month as the caption spells it (leap years name month 12
// "Adar I" and month 13 "Adar II"); null for a month the year does not have.
const char* HebrewMonthName(int32_t month, int32_t year);

// Writes "<day> <month name>, <year>" and its terminator into field (which
// holds kCaptionFieldSize bytes) and returns the number of characters, or
// writes nothing and returns 0 when the month does not exist in that year.
int32_t FormatHebrewDateCaption(HebrewDate date, char* field);
