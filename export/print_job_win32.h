// Printing the lesson on view: the Print command.
#pragma once

#include <windows.h>

struct TextView;

// Prints the lesson of the pane held in `*pane` in the reader's fonts on the
// printer the user accepts in Page Setup (owned by `owner`), page by page;
// the pane itself is left as it was. The pane is looked up again once Page
// Setup returns, since the program may have let go of it meanwhile (out of
// memory, it ends): nothing is printed for a missing pane.
void PrintLesson(HWND owner, TextView* const* pane);

// Ends the document and deletes the printer's device context; nothing for
// null.
void ClosePrintJob(HDC dc);
