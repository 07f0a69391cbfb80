// The search dialog and Search Again.
#include "dialogs/search_win32.h"

#include <cstring>

#include "app/app_state.h"
#include "app/current_day.h"
#include "app/day_navigation_win32.h"
#include "app/modal_win32.h"
#include "app/reading_pane_win32.h"
#include "dialogs/search.h"
#include "dialogs/search_box.h"
#include "resource_ids.h"
#include "view/paint.h"

namespace {

void OnInitDialog(HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_LIMITTEXT, kSearchStringSize - 1, 0);
    wchar_t phrase[kSearchStringSize] = {};
    for (int i = 0; i < kSearchStringSize - 1 && g_app.SearchString[i] != '\0'; ++i) {
        phrase[i] = static_cast<unsigned char>(g_app.SearchString[i]);
    }
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, phrase);
    CheckDlgButton(dialog, IDC_MATCH_CASE, (g_app.Flags & kFlagMatchCase) ? BST_CHECKED : BST_UNCHECKED);
}

// Match Case is kept before the search, whatever it finds.
void OnOk(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED) {
        g_app.Flags |= kFlagMatchCase;
    } else {
        g_app.Flags &= ~kFlagMatchCase;
    }
    wchar_t typed[kSearchStringSize] = {};
    GetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, typed, kSearchStringSize);
    NarrowTypedPhrase(reinterpret_cast<const char16_t*>(typed), g_app.SearchString, kSearchStringSize);
    if (g_app.SearchString[0] == '\0' || FindNext(dialog)) {
        EndDialog(dialog, IDOK);
        return;
    }
    SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_SETSEL, 0, -1);
}

// A match in another lesson: its day becomes the current day and the pane
// takes its text. False when the text could not be shown (the day is put
// back and a warning shown).
bool ShowOtherLesson(HWND owner, const SearchHit& hit) {
    const AbsoluteDay previous = g_app.Day;
    SetCurrentDay(hit.day, true);
    return ShowNewDayLesson(owner, hit.text, previous);
}

// Brings the match to the top of the pane, repaints the window and paints
// the match highlighted, with the lesson's title box over the text.
void ShowMatch(uint32_t offset, size_t length) {
    TextView* pane = g_app.pane;
    ScrollToTextOffset(pane, offset);
    RefreshWindow(g_app.mainWindow, kPaintEraseAndText);
    pane->highlightStart = static_cast<uint16_t>(offset);
    pane->highlightEnd = static_cast<uint16_t>(offset + length);
    PaintText(pane, true);
    DrawSearchContextBox(pane);
}

}  // namespace

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    // True: the edit box, the first control, takes the focus.
    case WM_INITDIALOG: OnInitDialog(dialog); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: OnOk(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        }
        break;
    }
    return FALSE;
}

int FindNext(HWND owner) {
    TextView* pane = g_app.pane;
    if (g_app.SearchString[0] == '\0' || pane == nullptr) return 0;
    const SearchPlace place{pane->text, pane->highlightStart, g_app.matchLesson, g_app.Lesson,
                            g_app.hebrewDate.year};
    const SearchHit hit = FindNextHit(place, {g_app.SearchString, (g_app.Flags & kFlagMatchCase) != 0});
    if (hit.offset == 0) {
        ShowMessage(owner, L"Not Found!", L"Varidel", MB_OK);
        return 0;
    }
    if (hit.text != nullptr && !ShowOtherLesson(owner, hit)) return 0;
    g_app.matchLesson = hit.key;
    ShowMatch(hit.offset, strlen(g_app.SearchString));
    return 1;
}
