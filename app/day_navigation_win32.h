// Day navigation, and the lesson of a day just made current shown in the
// pane (a search hit in another lesson is shown the same way).
#pragma once

#include <windows.h>

#include "calendar/hebrew_calendar.h"
#include "lessons/lesson_key.h"

// Makes `day` (0: today) current, shows its lesson from the top and paints
// the window. When the lesson cannot be fetched or laid out the previous day
// comes back and "Could not access the / The lesson for the selected day"
// is shown. A day the calendar cannot show is refused. Today always reloads.
void GoToDay(HWND window, AbsoluteDay day);

// The day before (-1) or after (+1) the one shown, within the days the
// calendar can show.
void GoToNeighbourDay(HWND window, int step);

// Shows `text`, the lesson of key `key` for the day just made current, from
// the top; the pane adopts it with its key and screen readers hear of the
// new day. When there is no text or the pane cannot lay it out, the day
// `previous` comes back, the same warning is shown, owned by `owner`, and
// the result is false.
bool ShowNewDayLesson(HWND owner, char* text, LessonKey key, AbsoluteDay previous);
