// The current day of the reader.
#include "app/current_day.h"

#include "app/app_state.h"
#include "calendar/date_caption.h"
#include "lessons/lesson_key.h"

void DeriveDateAndCaption() {
    g_app.hebrewDate = HebrewFromAbsolute(g_app.Day);
    g_app.captionLength = FormatHebrewDateCaption(g_app.hebrewDate, g_app.caption);
    if (g_app.captionLength == 0) g_app.caption[0] = '\0';
}

bool TodayMoved(uint32_t flags, AbsoluteDay shown, AbsoluteDay today) {
    return (flags & kFlagDayChosen) == 0 && today != shown;
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
