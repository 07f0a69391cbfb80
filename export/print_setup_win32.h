// The page set-up that opens every print: the system's Page Setup dialog,
// primed with the stored margins and printer set-up, then the printer's
// device context with the document and its first page started.
#pragma once

#include <windows.h>

#include "export/print_pages.h"

// A new global block holding the stored printer set-up, or `fallback` when
// none is stored, it cannot be read or it cannot be a printer set-up.
HGLOBAL ReadStoredPrinterSetup(HGLOBAL fallback);

// Shows Page Setup owned by `owner` (the main window) and opens a print job named
// `documentName` on the printer accepted: returns its device context, in
// MM_TEXT, inside the document and its first page, with the accepted margins
// fitted to the printable area in *margins; or null, after a cancel
// (quietly) or a failure (the user was told, except when the document or its
// first page was refused). The printer set-up is stored once accepted, the
// margins once the first page has started.
HDC OpenPrintJob(HWND owner, const wchar_t* documentName, PrintMargins* margins);

// The printable area of a printer's device context.
PrintableArea PrinterArea(HDC dc);
