// The current day of the reader: the day shown, its Hebrew date, its caption
// and the key of its lesson, kept in g_app.
#pragma once

#include <cstdint>

#include "calendar/hebrew_calendar.h"

// Makes `day` (0 = today) the current day of g_app: its Hebrew date, caption
// and lesson key. `keepLastPosition` false resets the stored scroll position
// when the day changes. Does not load or lay out the lesson.
void SetCurrentDay(AbsoluteDay day, bool keepLastPosition);

// Whether a reader who follows today (`flags` without the chosen-day bit)
// and is shown `shown` should now be shown `today`: only when it is another
// day.
bool TodayMoved(uint32_t flags, AbsoluteDay shown, AbsoluteDay today);

// Derives the Hebrew date and caption of g_app.Day (the settings loader uses
// this for a stored day).
void DeriveDateAndCaption();
