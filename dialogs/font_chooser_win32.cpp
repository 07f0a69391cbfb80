// The "Choose Font" dialog.
#include "dialogs/font_chooser_win32.h"

#include "dialogs/font_chooser.h"
#include "platform/wide_text_win32.h"
#include "resource_ids.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"

namespace {

// One dialog at a time; cleared at each opening.
struct FontDialogState {
    FontSettings* settings;
    FaceList faces;
    LOGFONTW sample;  // all zero but the face and the height chosen so far
    HFONT sampleFont;
};

FontDialogState g_fontDialog;

// Every face the device context offers, unfiltered; the enumeration stops
// when no block of nodes can be had, keeping the faces collected so far.
int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    return AppendFace(reinterpret_cast<FaceList*>(faces), Narrow(font->lfFaceName)) ? 1 : 0;
}

// The list box sorts the faces; the first that begins with the stored name
// is selected.
void FillFaceList(HWND list, const char16_t* storedName) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const FaceNode* node = g_fontDialog.faces.first; node != nullptr; node = node->next) {
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

void InitFontDialog(HWND dialog, FontSettings* settings) {
    g_fontDialog = FontDialogState{};
    g_fontDialog.settings = settings;
    char16_t sample[kFontSampleUnits + 1];
    FillFontSample(settings, sample);
    SetDlgItemTextW(dialog, IDC_FONT_SAMPLE, Wide(sample));
    // The faces of the window the reader reads in.
    HWND owner = GetParent(dialog);
    HDC dc = GetDC(owner);
    EnumFontsW(dc, nullptr, CollectFace, reinterpret_cast<LPARAM>(&g_fontDialog.faces));
    ReleaseDC(owner, dc);
    FillFaceList(GetDlgItem(dialog, IDC_FACE_LIST), settings->FontName);
    FillSizeList(GetDlgItem(dialog, IDC_SIZE_LIST), settings->FontSize);
    // The list's focus notification builds the first sample.
    SetFocus(GetDlgItem(dialog, IDC_FACE_LIST));
}

// The selected face and size become the sample's; a list without a
// selection leaves its part as it was.
void TakeSelections(HWND dialog) {
    HWND faces = GetDlgItem(dialog, IDC_FACE_LIST);
    const LRESULT face = SendMessageW(faces, LB_GETCURSEL, 0, 0);
    if (face >= 0 && SendMessageW(faces, LB_GETTEXTLEN, face, 0) < LF_FACESIZE) {
        SendMessageW(faces, LB_GETTEXT, face, reinterpret_cast<LPARAM>(g_fontDialog.sample.lfFaceName));
    }
    HWND sizes = GetDlgItem(dialog, IDC_SIZE_LIST);
    const LRESULT size = SendMessageW(sizes, LB_GETCURSEL, 0, 0);
    if (size >= 0 && SendMessageW(sizes, LB_GETTEXTLEN, size, 0) < kFontSizeTextUnits) {
        wchar_t text[kFontSizeTextUnits];
        SendMessageW(sizes, LB_GETTEXT, size, reinterpret_cast<LPARAM>(text));
        g_fontDialog.sample.lfHeight = ParseFontSize(Narrow(text));
    }
}

// The sample shows a character cell of the chosen size in pixels at 96
// pixels per inch, scaled to the dialog's resolution (the pane takes the
// size as points). The old font goes once the edit has the new.
void UpdateSample(HWND dialog) {
    TakeSelections(dialog);
    HFONT previous = g_fontDialog.sampleFont;
    LOGFONTW scaled = g_fontDialog.sample;
    scaled.lfHeight = ScaleToDpi(scaled.lfHeight, WindowDpi(dialog));
    g_fontDialog.sampleFont = CreateFontIndirectW(&scaled);
    SendDlgItemMessageW(dialog, IDC_FONT_SAMPLE, WM_SETFONT, reinterpret_cast<WPARAM>(g_fontDialog.sampleFont),
                        TRUE);
    if (previous != nullptr) DeleteObject(previous);
}

void CloseFontDialog(HWND dialog, INT_PTR result) {
    if (result == IDOK) {
        TakeSelections(dialog);
        CommitFontChoice(g_fontDialog.settings, Narrow(g_fontDialog.sample.lfFaceName),
                         g_fontDialog.sample.lfHeight);
    }
    EndDialog(dialog, result);
}

// However the dialog ends, its faces and the sample font go with it.
void ReleaseFontDialog() {
    FreeFaceList(&g_fontDialog.faces);
    if (g_fontDialog.sampleFont != nullptr) DeleteObject(g_fontDialog.sampleFont);
    g_fontDialog.sampleFont = nullptr;
}

}  // namespace

INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        InitFontDialog(dialog, reinterpret_cast<FontSettings*>(lParam));
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FACE_LIST:
        case IDC_SIZE_LIST: UpdateSample(dialog); return FALSE;
        case IDOK:
        case IDCANCEL: CloseFontDialog(dialog, LOWORD(wParam)); return TRUE;
        }
        return FALSE;
    case WM_DESTROY: ReleaseFontDialog(); return TRUE;
    }
    return FALSE;
}
