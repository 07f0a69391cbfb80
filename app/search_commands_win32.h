// The Search and Search Again commands: the search dialog on the reader's
// phrase, and the next match through the whole book shown in the pane.
#pragma once

#include <windows.h>

// The search dialog, owned by `window`, on the reader's phrase and Match
// Case; its OK keeps them and searches, its Find All keeps them and lists
// every lesson with the phrase, and a row picked there is shown as a match
// is.
void OpenSearch(HWND window);

// Searches on from the match shown (or the top of the lesson shown) through
// the whole book and shows the next match: its day becomes the current day
// when it lies in another lesson, the pane scrolls to it and highlights it.
// 1 when a match was shown; 0 for an empty phrase, no pane, or nothing found
// ("Not Found!", owned by `owner`).
int FindNext(HWND owner);
