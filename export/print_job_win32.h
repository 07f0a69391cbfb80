// Printing the lesson on view: the Print command.
#pragma once

#include <windows.h>

struct TextView;

// Prints the pane's lesson in the reader's fonts on the printer the user
// accepts in Page Setup (owned by `owner`), page by page; the pane itself is
// left as it was. Nothing for a missing pane.
void PrintLesson(HWND owner, TextView* pane);

// Ends the document and deletes the printer's device context; nothing for
// null.
void ClosePrintJob(HDC dc);
