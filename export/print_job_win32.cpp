// The Print command: the job opened by Page Setup, the lesson's pages drawn
// on the printer's device context, the job closed.
#include "export/print_job_win32.h"

#include "export/print_pages.h"
#include "export/print_setup_win32.h"
#include "view/gdi_surface_win32.h"
#include "view/text_view.h"

namespace {

HDC Dc(void* handle) { return static_cast<HDC>(handle); }

void EndPageOn(void* handle) { EndPage(Dc(handle)); }
bool StartPageOn(void* handle) { return StartPage(Dc(handle)) > 0; }

}  // namespace

void PrintLesson(HWND owner, TextView* const* pane) {
    if (*pane == nullptr) return;
    PrintMargins margins{};
    HDC dc = OpenPrintJob(owner, L"Varidel", pane, &margins);
    if (dc == nullptr) return;
    const TextView* view = *pane;
    // The header, the footer and the page number go on without a background
    // (the text too, which on blank paper looks the same).
    SetBkMode(dc, TRANSPARENT);
    DrawingSurface surface = GdiSurface(dc);
    PrintPages(&surface, PrinterArea(dc), margins, view->font, view->text, PageBreaks{dc, EndPageOn, StartPageOn});
    ClosePrintJob(dc);
}

void ClosePrintJob(HDC dc) {
    if (dc == nullptr) return;
    EndDoc(dc);
    DeleteDC(dc);
}
