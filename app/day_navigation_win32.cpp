// Day navigation.
#include "app/day_navigation_win32.h"

#include <cstdlib>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/modal_win32.h"
#include "app/pane_automation_win32.h"
#include "app/reading_pane_win32.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_loader.h"
#include "view/text_view.h"

namespace {

// Lays the text out in the pane, which adopts it; false (text released) when
// the layout refuses it.
bool ShowLessonText(char* text) {
    if (g_app.pane == nullptr) {
        free(text);
        return true;
    }
    if (LayoutText(g_app.pane, text, true) != kLayoutDone) {
        free(text);
        return false;
    }
    g_app.pane->topLine = 0;
    return true;
}

}  // namespace

bool ShowNewDayLesson(HWND owner, char* text, LessonKey key, AbsoluteDay previous) {
    if (text != nullptr && ShowLessonText(text)) {
        g_app.shownLesson = key;
        AnnounceNewDay();
        return true;
    }
    SetCurrentDay(previous, false);
    ShowMessage(owner, L"Could not access the\r\nThe lesson for the selected day", L"Error", MB_ICONWARNING);
    return false;
}

void GoToDay(HWND window, AbsoluteDay day) {
    if (day != 0 && !IsSupportedDay(day)) return;
    const AbsoluteDay previous = g_app.Day;
    SetCurrentDay(day, true);
    if (ShowNewDayLesson(window, LoadLessonText(g_app.Lesson, nullptr), g_app.Lesson, previous)) {
        RefreshWindow(window, kPaintEraseAndText);
    }
}

void GoToNeighbourDay(HWND window, int step) {
    const AbsoluteDay day = g_app.Day + step;
    if (IsSupportedDay(day)) GoToDay(window, day);
}
