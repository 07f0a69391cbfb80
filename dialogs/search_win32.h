// The search dialog (IDD_SEARCH): the reader's phrase and Match Case.
#pragma once

#include <windows.h>

// What the dialog works with, handed in as its creation parameter: the
// phrase and Match Case it opens with, and what OK does with the reader's
// choice.
struct SearchDialogRequest {
    const char* phrase;  // 8-bit, zero-terminated; each byte shown as the unit of its value
    bool matchCase;
    // Keeps the phrase typed (each unit reduced to its low byte, at most
    // 33 of them) and Match Case as the reader's.
    void (*keep)(const char* phrase, bool matchCase);
    // Searches for the phrase kept and shows the match: 1 when one was
    // shown, 0 after "Not Found!" owned by `owner`.
    int (*findNext)(HWND owner);
};

// The procedure of IDD_SEARCH. OK (Enter) keeps the phrase and Match Case and
// searches: the dialog closes on a match, or at once for an empty phrase;
// after "Not Found!" it stays open with its text selected. Cancel (Esc)
// changes nothing.
INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
