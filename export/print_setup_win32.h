// The page set-up that opens every print: the system's Page Setup dialog,
// primed with the stored margins and printer set-up, then the printer's
// device context with the document and its first page started.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "export/print_pages.h"

struct TextView;

// A new global block holding the stored printer set-up, or `fallback` when
// none is stored, it cannot be read or it cannot be a printer set-up.
HGLOBAL ReadStoredPrinterSetup(HGLOBAL fallback);

// Page Setup: true when the reader accepted; otherwise false with the
// dialog's extended error in *error (0: the reader closed it).
using PageSetupCall = bool (*)(PAGESETUPDLGW* setup, DWORD* error);
// A device context for the printer named `device` with the set-up `setup`;
// null when it cannot be made.
using PrinterDcCall = HDC (*)(const wchar_t* device, const DEVMODEW* setup);
// Both are the system's (PageSetupDlgW, CreateDCW) unless replaced, so that
// what they are handed and what comes of their answers can be followed
// without the dialog or a printer; null puts the system's back.
void SetPageSetupCall(PageSetupCall call);
void SetPrinterDcCall(PrinterDcCall call);

// Shows Page Setup owned by `owner` (the main window) and opens a print job named
// `documentName` on the printer accepted: returns its device context, in
// MM_TEXT, inside the document and its first page, with the accepted margins
// fitted to the printable area in *margins; or null, after a cancel
// (quietly) or a failure (the user was told, except when the document or its
// first page was refused). A stored set-up whose printer Page Setup refuses
// (gone or renamed) makes way for the defaults: the dialog opens once more
// without it. The printer set-up is stored once accepted, the margins once
// the first page has started. No job is opened when the pane in `*pane` is
// gone once Page Setup returns: the program is ending (memory ran out while
// the dialog was being primed).
HDC OpenPrintJob(HWND owner, const wchar_t* documentName, TextView* const* pane, PrintMargins* margins);

// The printable area of a printer's device context.
PrintableArea PrinterArea(HDC dc);
