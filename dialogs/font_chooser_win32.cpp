// The "Choose Font" dialog.
#include "dialogs/font_chooser_win32.h"

#include <new>

#include "dialogs/font_chooser.h"
#include "platform/wide_text_win32.h"
#include "resource_ids.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"

namespace {

// The dialog's own record, made when it opens and released with its window.
struct FontDialogState {
    FontSettings* settings;
    FaceList faces;
    LOGFONTW sample;  // all zero but the face and the height chosen so far
    HFONT sampleFont;
};

FontDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<FontDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// Every face the device context offers, unfiltered; the enumeration stops
// when no block of nodes can be had, keeping the faces collected so far.
int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    return AppendFace(reinterpret_cast<FaceList*>(faces), Narrow(font->lfFaceName)) ? 1 : 0;
}

// The list box sorts the faces; the first that begins with the stored name
// is selected.
void FillFaceList(HWND list, const FaceList& faces, const char16_t* storedName) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const FaceNode* node = faces.first; node != nullptr; node = node->next) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(node->name)));
    }
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t face[kFontNameUnits];
        if (SendMessageW(list, LB_GETTEXTLEN, i, 0) >= kFontNameUnits) continue;
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(face));
        if (FaceBeginsWith(Narrow(face), storedName)) {
            SendMessageW(list, LB_SETCURSEL, i, 0);
            return;
        }
    }
}

void FillSizeList(HWND list, int32_t storedSize) {
    const FontSizeChoices choices = ListFontSizes(storedSize);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < choices.count; ++i) {
        char16_t text[kFontSizeTextUnits];
        FormatFontSize(choices.sizes[i], text);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text)));
    }
    if (choices.selected >= 0) SendMessageW(list, LB_SETCURSEL, choices.selected, 0);
}

// Without a record of its own the dialog closes at once, nothing changed.
void InitFontDialog(HWND dialog, FontSettings* settings) {
    FontDialogState* state = new (std::nothrow) FontDialogState{};
    if (state == nullptr) {
        EndDialog(dialog, -1);
        return;
    }
    state->settings = settings;
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    char16_t sample[kFontSampleUnits + 1];
    FillFontSample(settings, sample);
    SetDlgItemTextW(dialog, IDC_FONT_SAMPLE, Wide(sample));
    // The faces of the window the reader reads in.
    HWND owner = GetParent(dialog);
    HDC dc = GetDC(owner);
    EnumFontsW(dc, nullptr, CollectFace, reinterpret_cast<LPARAM>(&state->faces));
    ReleaseDC(owner, dc);
    FillFaceList(GetDlgItem(dialog, IDC_FACE_LIST), state->faces, settings->FontName);
    FillSizeList(GetDlgItem(dialog, IDC_SIZE_LIST), settings->FontSize);
    // The list's focus notification builds the first sample.
    SetFocus(GetDlgItem(dialog, IDC_FACE_LIST));
}

// The selected face and size become the sample's; a list without a
// selection leaves its part as it was.
void TakeSelections(HWND dialog, FontDialogState* state) {
    HWND faces = GetDlgItem(dialog, IDC_FACE_LIST);
    const LRESULT face = SendMessageW(faces, LB_GETCURSEL, 0, 0);
    if (face >= 0 && SendMessageW(faces, LB_GETTEXTLEN, face, 0) < LF_FACESIZE) {
        SendMessageW(faces, LB_GETTEXT, face, reinterpret_cast<LPARAM>(state->sample.lfFaceName));
    }
    HWND sizes = GetDlgItem(dialog, IDC_SIZE_LIST);
    const LRESULT size = SendMessageW(sizes, LB_GETCURSEL, 0, 0);
    if (size >= 0 && SendMessageW(sizes, LB_GETTEXTLEN, size, 0) < kFontSizeTextUnits) {
        wchar_t text[kFontSizeTextUnits];
        SendMessageW(sizes, LB_GETTEXT, size, reinterpret_cast<LPARAM>(text));
        state->sample.lfHeight = ParseFontSize(Narrow(text));
    }
}

// The sample shows a character cell of the chosen size in pixels at 96
// pixels per inch, scaled to the dialog's resolution (the pane takes the
// size as points). The old font goes once the edit has the new.
void UpdateSample(HWND dialog, FontDialogState* state) {
    TakeSelections(dialog, state);
    HFONT previous = state->sampleFont;
    LOGFONTW scaled = state->sample;
    scaled.lfHeight = ScaleToDpi(scaled.lfHeight, WindowDpi(dialog));
    state->sampleFont = CreateFontIndirectW(&scaled);
    SendDlgItemMessageW(dialog, IDC_FONT_SAMPLE, WM_SETFONT, reinterpret_cast<WPARAM>(state->sampleFont), TRUE);
    if (previous != nullptr) DeleteObject(previous);
}

void CloseFontDialog(HWND dialog, FontDialogState* state, INT_PTR result) {
    if (result == IDOK) {
        TakeSelections(dialog, state);
        CommitFontChoice(state->settings, Narrow(state->sample.lfFaceName), state->sample.lfHeight);
    }
    EndDialog(dialog, result);
}

// However the dialog ends, its faces, the sample font and the record go
// with it, at the very end: by then the lists, which ask for samples, and
// the sample, which shows the font, are gone.
void ReleaseFontDialog(HWND dialog, FontDialogState* state) {
    FreeFaceList(&state->faces);
    if (state->sampleFont != nullptr) DeleteObject(state->sampleFont);
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    delete state;
}

}  // namespace

INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        InitFontDialog(dialog, reinterpret_cast<FontSettings*>(lParam));
        return FALSE;
    }
    // Messages before WM_INITDIALOG find no record, and all of them when the
    // dialog could not have one.
    FontDialogState* state = StateOf(dialog);
    if (state == nullptr) return FALSE;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FACE_LIST:
        case IDC_SIZE_LIST: UpdateSample(dialog, state); return FALSE;
        case IDOK:
        case IDCANCEL: CloseFontDialog(dialog, state, LOWORD(wParam)); return TRUE;
        }
        return FALSE;
    // Unanswered, so that the dialog manager still releases what it made.
    case WM_NCDESTROY: ReleaseFontDialog(dialog, state); return FALSE;
    }
    return FALSE;
}
