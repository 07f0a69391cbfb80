// Lesson keys: the name of one book entry (lesson month in the high byte,
// day in the low byte), and the current day of the reader.
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

// The day on which an entry found away from the current day is shown: the
// key's day in the current Hebrew year (Adar II: the next leap year; the
// common-year Adar: the next common year).
AbsoluteDay DayForLessonKey(LessonKey key, int32_t currentYear);

// Makes `day` (0 = today) the current day of g_app: its Hebrew date, caption
// and lesson key. `keepLastPosition` false resets the stored scroll position
// when the day changes. Does not load or lay out the lesson.
void SetCurrentDay(AbsoluteDay day, bool keepLastPosition);

// Derives the Hebrew date and caption of g_app.Day (the settings loader uses
// this for a stored day).
void DeriveDateAndCaption();
