// The search dialog's list of Find All's rows: a report-style list view, one
// item a lesson, with its Hebrew date, its civil date in the user's long
// format, its title, its matches and the words around its first match.
#pragma once

#include <windows.h>

#include "dialogs/search_results.h"

// Gives the list its columns, sized for the dialog's font.
void SetUpResultsList(HWND list);

// Replaces the items with `results`' rows, in their order, and sizes the
// columns to what they hold; the first row selected and focused.
void FillResultsList(HWND list, const SearchResults& results);

// The row of the selected item; -1 for none.
int SelectedResult(HWND list);
