// The Search and Search Again commands.
#include "app/search_commands_win32.h"

#include <commctrl.h>

#include <cstring>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/day_navigation_win32.h"
#include "app/modal_win32.h"
#include "app/reading_pane_win32.h"
#include "dialogs/search.h"
#include "dialogs/search_box.h"
#include "dialogs/search_results.h"
#include "dialogs/search_win32.h"
#include "lessons/lesson_loader.h"
#include "resource_ids.h"
#include "view/paint.h"

namespace {

void KeepSearchPhrase(const char* phrase, bool matchCase) {
    if (matchCase) {
        g_app.Flags |= kFlagMatchCase;
    } else {
        g_app.Flags &= ~kFlagMatchCase;
    }
    const size_t length = strnlen(phrase, kSearchStringSize - 1);
    memcpy(g_app.SearchString, phrase, length);
    g_app.SearchString[length] = '\0';
}

// A match in another lesson: its day becomes the current day and the pane
// takes its text. False when the text could not be shown (the day is put
// back and a warning shown).
bool ShowOtherLesson(HWND owner, const SearchHit& hit) {
    const AbsoluteDay previous = g_app.Day;
    SetCurrentDay(hit.day, true);
    return ShowNewDayLesson(owner, hit.text, hit.key, previous);
}

// Brings the match to the top of the pane, repaints the window and paints
// the match highlighted, with the lesson's title box over the text.
void ShowMatch(uint32_t offset, size_t length) {
    TextView* pane = g_app.pane;
    ShowTextOffsetAtTop(g_app.mainWindow, offset);
    pane->highlightStart = static_cast<uint16_t>(offset);
    pane->highlightEnd = static_cast<uint16_t>(offset + length);
    PaintText(pane, true);
    DrawSearchContextBox(pane);
}

SearchPhrase KeptPhrase() { return {g_app.SearchString, (g_app.Flags & kFlagMatchCase) != 0}; }

void ShowNotFound(HWND owner) { ShowMessage(owner, L"Not Found!", L"Varidel", MB_OK); }

bool FindAll(HWND owner, SearchResults* results) {
    const TextView* pane = g_app.pane;
    *results = FindAllMatches({pane != nullptr ? pane->text : nullptr, g_app.shownLesson, g_app.Day}, KeptPhrase());
    if (!results->rows.empty()) return true;
    ShowNotFound(owner);
    return false;
}

// A row of Find All is shown as a match of Search Again: in the text shown
// when the pane shows its lesson on its day, else with its day made current.
int ShowResult(HWND owner, const SearchResult& row) {
    const TextView* pane = g_app.pane;
    if (pane == nullptr) return 0;
    if (pane->text == nullptr || row.key != g_app.shownLesson || row.day != g_app.Day) {
        const SearchHit hit{row.firstMatch, LoadLessonText(row.key, nullptr), row.key, row.day};
        if (!ShowOtherLesson(owner, hit)) return 0;
    }
    ShowMatch(row.firstMatch, strlen(g_app.SearchString));
    return 1;
}

}  // namespace

void OpenSearch(HWND window) {
    SearchDialogRequest request{g_app.SearchString, (g_app.Flags & kFlagMatchCase) != 0, KeepSearchPhrase,
                                FindNext, FindAll, ShowResult};
    RunDialog(window, IDD_SEARCH, SearchDialogProc, reinterpret_cast<LPARAM>(&request));
}

int FindNext(HWND owner) {
    TextView* pane = g_app.pane;
    if (g_app.SearchString[0] == '\0' || pane == nullptr) return 0;
    const SearchPlace place{pane->text, pane->highlightStart, g_app.shownLesson, g_app.hebrewDate.year};
    const SearchHit hit = FindNextHit(place, KeptPhrase());
    if (hit.offset == 0) {
        ShowNotFound(owner);
        return 0;
    }
    if (hit.text != nullptr && !ShowOtherLesson(owner, hit)) return 0;
    ShowMatch(hit.offset, strlen(g_app.SearchString));
    return 1;
}
