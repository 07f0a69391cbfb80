// The search dialog.
#include "dialogs/search_win32.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "dialogs/search.h"
#include "dialogs/search_list_win32.h"
#include "platform/wide_text_win32.h"
#include "resource_ids.h"
#include "view/text_view.h"

namespace {

// What the dialog keeps while it is open: its request, and the rows of the
// last Find All, which a pick in the list shows.
struct SearchDialogState {
    const SearchDialogRequest* request;
    SearchResults results;
};

SearchDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<SearchDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, const SearchDialogRequest* request) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(new SearchDialogState{request, {{}, 0}}));
    SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_LIMITTEXT, kSearchStringSize - 1, 0);
    wchar_t phrase[kSearchStringSize] = {};
    for (int i = 0; i < kSearchStringSize - 1 && request->phrase[i] != '\0'; ++i) {
        phrase[i] = static_cast<unsigned char>(request->phrase[i]);
    }
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, phrase);
    CheckDlgButton(dialog, IDC_MATCH_CASE, request->matchCase ? BST_CHECKED : BST_UNCHECKED);
    SetUpResultsList(GetDlgItem(dialog, IDC_SEARCH_RESULTS));
}

// Shows `results` in the list and counts them above it; the rows belong to
// the phrase kept, so every search replaces them.
void ShowResults(HWND dialog, SearchResults results) {
    SearchDialogState* state = StateOf(dialog);
    state->results = std::move(results);
    FillResultsList(GetDlgItem(dialog, IDC_SEARCH_RESULTS), state->results);
    const std::u16string count = state->results.rows.empty() ? std::u16string() : ResultsCountLine(state->results);
    SetDlgItemTextW(dialog, IDC_SEARCH_COUNT, Wide(count.c_str()));
}

// Keeps the phrase typed and Match Case, as every search does before it
// runs, whatever it finds. False for an empty phrase.
bool KeepTypedPhrase(HWND dialog) {
    wchar_t typed[kSearchStringSize] = {};
    GetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, typed, kSearchStringSize);
    char phrase[kSearchStringSize];
    NarrowTypedPhrase(reinterpret_cast<const char16_t*>(typed), phrase, kSearchStringSize);
    StateOf(dialog)->request->keep(phrase, IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED);
    ShowResults(dialog, {{}, 0});
    return phrase[0] != '\0';
}

void OnOk(HWND dialog) {
    if (!KeepTypedPhrase(dialog) || StateOf(dialog)->request->findNext(dialog)) {
        EndDialog(dialog, IDOK);
        return;
    }
    SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_SETSEL, 0, -1);
}

// The reader goes on from the list: the first row has the focus.
void OnFindAll(HWND dialog) {
    if (!KeepTypedPhrase(dialog)) return;
    SearchResults results{{}, 0};
    if (!StateOf(dialog)->request->findAll(dialog, &results)) {
        SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_SETSEL, 0, -1);
        return;
    }
    ShowResults(dialog, std::move(results));
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_SEARCH_RESULTS)), TRUE);
}

void ShowRow(HWND dialog, int row) {
    const SearchDialogState* state = StateOf(dialog);
    if (row >= 0 && row < static_cast<int>(state->results.rows.size())) {
        state->request->showResult(dialog, state->results.rows[static_cast<size_t>(row)]);
    }
}

// Enter gives OK wherever the focus is: in the list it picks the row.
void OnEnter(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_SEARCH_RESULTS);
    if (GetFocus() == list) {
        ShowRow(dialog, SelectedResult(list));
    } else {
        OnOk(dialog);
    }
}

// A double-click on a row.
bool OnNotify(HWND dialog, const NMHDR* header) {
    if (header->idFrom != IDC_SEARCH_RESULTS || header->code != LVN_ITEMACTIVATE) return false;
    ShowRow(dialog, reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem);
    return true;
}

}  // namespace

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // True: the edit box, the first control, takes the focus.
    case WM_INITDIALOG: OnInitDialog(dialog, reinterpret_cast<const SearchDialogRequest*>(lParam)); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: OnEnter(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case IDC_FIND_ALL: OnFindAll(dialog); return TRUE;
        }
        break;
    case WM_NOTIFY: return OnNotify(dialog, reinterpret_cast<const NMHDR*>(lParam));
    case WM_NCDESTROY: delete StateOf(dialog); break;
    }
    return FALSE;
}
