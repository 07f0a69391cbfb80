// The search dialog.
#include "dialogs/search_win32.h"

#include "dialogs/search.h"
#include "resource_ids.h"

namespace {

const SearchDialogRequest* RequestOf(HWND dialog) {
    return reinterpret_cast<const SearchDialogRequest*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

void OnInitDialog(HWND dialog, const SearchDialogRequest* request) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(request));
    SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_LIMITTEXT, kSearchStringSize - 1, 0);
    wchar_t phrase[kSearchStringSize] = {};
    for (int i = 0; i < kSearchStringSize - 1 && request->phrase[i] != '\0'; ++i) {
        phrase[i] = static_cast<unsigned char>(request->phrase[i]);
    }
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, phrase);
    CheckDlgButton(dialog, IDC_MATCH_CASE, request->matchCase ? BST_CHECKED : BST_UNCHECKED);
}

// Match Case is kept before the search, whatever it finds.
void OnOk(HWND dialog) {
    const SearchDialogRequest* request = RequestOf(dialog);
    wchar_t typed[kSearchStringSize] = {};
    GetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, typed, kSearchStringSize);
    char phrase[kSearchStringSize];
    NarrowTypedPhrase(reinterpret_cast<const char16_t*>(typed), phrase, kSearchStringSize);
    request->keep(phrase, IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED);
    if (phrase[0] == '\0' || request->findNext(dialog)) {
        EndDialog(dialog, IDOK);
        return;
    }
    SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_SETSEL, 0, -1);
}

}  // namespace

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // True: the edit box, the first control, takes the focus.
    case WM_INITDIALOG: OnInitDialog(dialog, reinterpret_cast<const SearchDialogRequest*>(lParam)); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: OnOk(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        }
        break;
    }
    return FALSE;
}
