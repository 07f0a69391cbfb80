// Lesson keys: the name of one book entry (lesson month in the high byte,
// day in the low byte).
#pragma once

#include <cstdint>

#include "calendar/hebrew_calendar.h"

using LessonKey = uint16_t;

// Lesson month 14 is the single Adar of a common year.
constexpr int kCommonYearAdar = 14;

constexpr LessonKey MakeLessonKey(int month, int day) {
    return static_cast<LessonKey>(month * 256 + day);
}
constexpr int LessonMonth(LessonKey key) { return key >> 8; }
constexpr int LessonDay(LessonKey key) { return key & 0xFF; }

LessonKey LessonKeyForDate(HebrewDate date);

// Name of lesson month 1..14 ("Nisan" .. "Adar I", "Adar II", "Adar"); "?"
// for any other.
const char* LessonMonthName(int lessonMonth);

// The day on which an entry found away from the current day is shown: the
// key's day in the current Hebrew year (Adar II: the next leap year; the
// common-year Adar: the next common year).
AbsoluteDay DayForLessonKey(LessonKey key, int32_t currentYear);
