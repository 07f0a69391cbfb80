// Lesson keys of Hebrew dates, and the days of lesson keys.
#include "lessons/lesson_key.h"

#include "calendar/date_caption.h"

LessonKey LessonKeyForDate(HebrewDate date) {
    const int month = (date.month == 12 && !HebrewLeapYear(date.year)) ? kCommonYearAdar : date.month;
    return MakeLessonKey(month, date.day);
}

const char* LessonMonthName(int lessonMonth) {
    const bool leapAdar = lessonMonth == 12 || lessonMonth == 13;
    const char* name = MonthName(lessonMonth == kCommonYearAdar ? 12 : lessonMonth, leapAdar);
    return name != nullptr ? name : "?";
}

AbsoluteDay DayForLessonKey(LessonKey key, int32_t currentYear) {
    const int32_t day = key & 0x7F;
    const int32_t lessonMonth = (key >> 8) & 0x7F;
    int32_t month = lessonMonth;
    int32_t year = currentYear;
    if (lessonMonth == 13) {
        while (!HebrewLeapYear(year)) ++year;
    } else if (lessonMonth == kCommonYearAdar) {
        month = 12;
        if (HebrewLeapYear(year)) ++year;
    }
    return AbsoluteFromHebrew({month, day, year});
}
