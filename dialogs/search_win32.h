// The search dialog (IDD_SEARCH) and Search Again: the reader's phrase and
// Match Case, and a match shown in the main window's pane.
#pragma once

#include <windows.h>

// The procedure of IDD_SEARCH. OK (Enter) keeps the phrase and Match Case and
// searches: the dialog closes on a match, or at once for an empty phrase;
// after "Not Found!" it stays open with its text selected. Cancel (Esc)
// changes nothing.
INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Searches on from the match shown (or the top of the lesson shown) through
// the whole book and shows the next match: its day becomes the current day
// when it lies in another lesson, the pane scrolls to it and highlights it.
// 1 when a match was shown; 0 for an empty phrase, no pane, or nothing found
// ("Not Found!", owned by `owner`).
int FindNext(HWND owner);
