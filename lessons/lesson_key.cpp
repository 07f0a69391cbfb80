// Lesson keys and the current day.
#include "lessons/lesson_key.h"

#include "app/app_state.h"
#include "calendar/date_caption.h"

LessonKey LessonKeyForDate(HebrewDate date) {
    const int month = (date.month == 12 && !HebrewLeapYear(date.year)) ? kCommonYearAdar : date.month;
    return MakeLessonKey(month, date.day);
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

void DeriveDateAndCaption() {
    g_app.hebrewDate = HebrewFromAbsolute(g_app.Day);
    g_app.captionLength = FormatHebrewDateCaption(g_app.hebrewDate, g_app.caption);
    if (g_app.captionLength == 0) g_app.caption[0] = '\0';
}

void SetCurrentDay(AbsoluteDay day, bool keepLastPosition) {
    if (day == 0 && (g_app.Flags & kFlagDayChosen) && !keepLastPosition) return;
    if (day != 0) {
        g_app.Flags |= kFlagDayChosen;
    } else {
        day = AbsoluteFromGregorian(TodayGregorian());
        g_app.Flags &= ~kFlagDayChosen;
    }
    if (day == g_app.Day) return;
    if (!keepLastPosition) g_app.LastPosition = 0;
    g_app.Day = day;
    DeriveDateAndCaption();
    g_app.Lesson = LessonKeyForDate(g_app.hebrewDate);
}
