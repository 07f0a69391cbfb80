// Page Setup, the printer's device context and the start of the document.
#include "export/print_setup_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "export/print_settings.h"
#include "platform/wide_text_win32.h"

static_assert(offsetof(DEVMODEW, dmSize) == kSetupSizeOffset &&
                  offsetof(DEVMODEW, dmDriverExtra) == kSetupExtraOffset &&
                  offsetof(DEVMODEW, dmFields) + sizeof(DWORD) == kSetupHeaderSize &&
                  sizeof(DEVMODEW::dmDeviceName) / sizeof(WCHAR) == kSetupNameUnits,
              "the printer set-up's header is laid out as the platform's");

namespace {

// The printer set-up of the last accepted Page Setup of this run. It serves
// when no stored one can be read, and lives until the program ends.
HGLOBAL g_rememberedSetup;

// The accepted set-up becomes the remembered one. The one it replaces is
// released unless the dialog was handed it: then the dialog returned it or
// disposed of it itself.
void RememberSetup(HGLOBAL given, HGLOBAL accepted) {
    if (g_rememberedSetup != nullptr && g_rememberedSetup != given && g_rememberedSetup != accepted) {
        GlobalFree(g_rememberedSetup);
    }
    g_rememberedSetup = accepted;
}

// Stores the accepted set-up and makes a device context for its printer;
// null when there is none.
HDC CreatePrinterDc(HGLOBAL setup) {
    auto* devMode = setup != nullptr ? static_cast<DEVMODEW*>(GlobalLock(setup)) : nullptr;
    if (devMode == nullptr) return nullptr;
    StorePrinterSetup(devMode, GlobalSize(setup));
    HDC dc = CreateDCW(nullptr, devMode->dmDeviceName, nullptr, devMode);
    GlobalUnlock(setup);
    return dc;
}

// StartDocW, then the first page; false when either is refused, and then a
// started document is abandoned.
bool StartDocument(HDC dc, const wchar_t* documentName) {
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (StartDocW(dc, &document) <= 0) return false;
    if (StartPage(dc) > 0) return true;
    AbortDoc(dc);
    return false;
}

}  // namespace

HGLOBAL ReadStoredPrinterSetup(HGLOBAL fallback) {
    size_t size = 0;
    uint8_t* bytes = ReadStoredPrinterSetupBytes(&size);
    if (bytes == nullptr) return fallback;
    // A short set-up still gets a whole record's room, zero-filled, so the
    // system never reads past the block for a field the set-up lacks.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, std::max(size, sizeof(DEVMODEW)));
    void* target = block != nullptr ? GlobalLock(block) : nullptr;
    if (target == nullptr) {
        if (block != nullptr) GlobalFree(block);
        free(bytes);
        return fallback;
    }
    memcpy(target, bytes, size);
    GlobalUnlock(block);
    free(bytes);
    return block;
}

HDC OpenPrintJob(HWND owner, const wchar_t* documentName, PrintMargins* margins) {
    const PrintMargins stored = LoadPrintMargins();
    PAGESETUPDLGW setup{};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = owner;
    setup.hDevMode = ReadStoredPrinterSetup(g_rememberedSetup);
    setup.Flags = PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES;
    setup.rtMargin = {stored.left, stored.top, stored.right, stored.bottom};
    setup.hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    const HGLOBAL given = setup.hDevMode;
    const BOOL accepted = PageSetupDlgW(&setup);
    if (setup.hDevNames != nullptr) GlobalFree(setup.hDevNames);
    if (!accepted) {
        const DWORD code = CommDlgExtendedError();
        if (setup.hDevMode != nullptr && setup.hDevMode != g_rememberedSetup) GlobalFree(setup.hDevMode);
        if (code != 0) MessageBoxW(owner, Wide(PageSetupFailureText(code)), L"Error Printing", MB_OK);
        return nullptr;
    }
    RememberSetup(given, setup.hDevMode);
    HDC dc = CreatePrinterDc(setup.hDevMode);
    if (dc == nullptr) {
        MessageBoxW(owner, L"Printer Initialitazion failed!", L"Error", MB_OK);
        return nullptr;
    }
    if (!StartDocument(dc, documentName)) {
        DeleteDC(dc);
        return nullptr;
    }
    SetMapMode(dc, MM_TEXT);
    *margins = SaveUsableMargins(PrinterArea(dc), {setup.rtMargin.left, setup.rtMargin.top, setup.rtMargin.right,
                                                   setup.rtMargin.bottom});
    return dc;
}

PrintableArea PrinterArea(HDC dc) {
    return {GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, HORZRES),
            GetDeviceCaps(dc, VERTRES)};
}
