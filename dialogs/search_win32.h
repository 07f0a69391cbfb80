// The search dialog (IDD_SEARCH): the reader's phrase and Match Case, and
// Find All's list of every lesson that holds the phrase.
#pragma once

#include <windows.h>

#include "dialogs/search_results.h"

// What the dialog works with, handed in as its creation parameter: the
// phrase and Match Case it opens with, and what Find, Find All and a pick in
// the list do with the reader's choice.
struct SearchDialogRequest {
    const char* phrase;  // 8-bit, zero-terminated; each byte shown as the unit of its value
    bool matchCase;
    // Keeps the phrase typed (each unit reduced to its low byte, at most
    // 33 of them) and Match Case as the reader's.
    void (*keep)(const char* phrase, bool matchCase);
    // Searches for the phrase kept and shows the match: 1 when one was
    // shown, 0 after "Not Found!" owned by `owner`.
    int (*findNext)(HWND owner);
    // Every lesson that holds the phrase kept, from the lesson shown on:
    // true with the rows in `results`, false after "Not Found!" owned by
    // `owner`.
    bool (*findAll)(HWND owner, SearchResults* results);
    // Shows the row's day with its first match, as a match of Find is
    // shown: 1 when it was shown, 0 after a warning owned by `owner`.
    int (*showResult)(HWND owner, const SearchResult& row);
};

// The procedure of IDD_SEARCH. OK (Enter) keeps the phrase and Match Case and
// searches: the dialog closes on a match, or at once for an empty phrase;
// after "Not Found!" it stays open with its text selected. Cancel (Esc)
// changes nothing. Find All keeps them too and lists every lesson with the
// phrase, or shows "Not Found!" as OK does; Enter in the list or a
// double-click on a row shows its day and leaves the dialog open.
INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
