// Page Setup, the printer's device context and the start of the document.
#include "export/print_setup_win32.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

#include "export/print_settings.h"
#include "platform/wide_text_win32.h"

static_assert(offsetof(DEVMODEW, dmSize) == kSetupSizeOffset &&
                  offsetof(DEVMODEW, dmDriverExtra) == kSetupExtraOffset &&
                  offsetof(DEVMODEW, dmFields) + sizeof(DWORD) == kSetupHeaderSize &&
                  sizeof(DEVMODEW::dmDeviceName) / sizeof(WCHAR) == kSetupNameUnits,
              "the printer set-up's header is laid out as the platform's");
static_assert(sizeof(DEVNAMES) == kNamesHeaderSize && offsetof(DEVNAMES, wDeviceOffset) == 2,
              "the printer's names begin as the platform's");

namespace {

bool SystemPageSetup(PAGESETUPDLGW* setup, DWORD* error) {
    if (PageSetupDlgW(setup)) return true;
    *error = CommDlgExtendedError();
    return false;
}

HDC SystemPrinterDc(const wchar_t* device, const DEVMODEW* setup) {
    return CreateDCW(nullptr, device, nullptr, setup);
}

PageSetupCall g_pageSetup = SystemPageSetup;
PrinterDcCall g_printerDc = SystemPrinterDc;

// The printer set-up of the last accepted Page Setup of this run and its
// printer's full name. They serve when no stored set-up can be read, and
// live until the program ends.
HGLOBAL g_rememberedSetup;
std::u16string g_rememberedName;

// The accepted set-up becomes the remembered one. The one it replaces is
// released unless the dialog was handed it: then the dialog returned it or
// disposed of it itself.
void RememberSetup(HGLOBAL given, HGLOBAL accepted) {
    if (g_rememberedSetup != nullptr && g_rememberedSetup != given && g_rememberedSetup != accepted) {
        GlobalFree(g_rememberedSetup);
    }
    g_rememberedSetup = accepted;
}

// A new names block for the printer `device`, as Page Setup takes it; null
// without a name or without memory.
HGLOBAL NewPrinterNames(const char16_t* device) {
    if (device == nullptr || device[0] == 0) return nullptr;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, PrinterNamesSize(device));
    void* bytes = block != nullptr ? GlobalLock(block) : nullptr;
    if (bytes == nullptr) {
        if (block != nullptr) GlobalFree(block);
        return nullptr;
    }
    WritePrinterNames(device, static_cast<uint8_t*>(bytes));
    GlobalUnlock(block);
    return block;
}

// Primes the dialog with the set-up it opens on: the stored one with its
// printer's full name (the set-up's own device name when no stored name
// fits it), else the remembered one with its name, else none. The set-up
// alone would not do: the dialog looks its printer up by the device name,
// which a long printer name does not fit.
void HandSetup(PAGESETUPDLGW* setup) {
    setup->hDevMode = ReadStoredPrinterSetup(g_rememberedSetup);
    auto* devMode = setup->hDevMode != nullptr ? static_cast<DEVMODEW*>(GlobalLock(setup->hDevMode)) : nullptr;
    if (devMode == nullptr) return;
    char16_t* stored = nullptr;
    const char16_t* name = Narrow(devMode->dmDeviceName);
    if (setup->hDevMode == g_rememberedSetup) {
        name = g_rememberedName.c_str();
    } else if ((stored = ReadStoredPrinterName(name)) != nullptr) {
        name = stored;
    }
    setup->hDevNames = NewPrinterNames(name);
    free(stored);
    GlobalUnlock(setup->hDevMode);
}

// Releases what a cancelled or failed Page Setup leaves, except the
// remembered set-up, which lives on.
void ReleaseSetupBlocks(PAGESETUPDLGW* setup) {
    if (setup->hDevMode != nullptr && setup->hDevMode != g_rememberedSetup) GlobalFree(setup->hDevMode);
    if (setup->hDevNames != nullptr) GlobalFree(setup->hDevNames);
    setup->hDevMode = nullptr;
    setup->hDevNames = nullptr;
}

// Page Setup on the primed `*setup`; true when accepted, else *error holds
// the dialog's failure (0: cancelled). When the dialog refuses the set-up it
// was handed, that set-up is dropped and the dialog opens once more on the
// defaults. `*given` receives the set-up the accepting dialog was handed.
bool RunPageSetup(PAGESETUPDLGW* setup, HGLOBAL* given, DWORD* error) {
    const PAGESETUPDLGW primed = *setup;
    *given = setup->hDevMode;
    *error = 0;
    if (g_pageSetup(setup, error)) return true;
    const bool handed = primed.hDevMode != nullptr || primed.hDevNames != nullptr;
    if (!handed || !RefusesHandedSetup(*error)) return false;
    ReleaseSetupBlocks(setup);
    *setup = primed;
    setup->hDevMode = nullptr;
    setup->hDevNames = nullptr;
    *given = nullptr;
    *error = 0;
    return g_pageSetup(setup, error);
}

// Stores the accepted set-up with its printer's full name and remembers
// both. The name is the one in the returned names when it fits the set-up
// (whose own device name is cut short), else the set-up's device name.
// False when the set-up cannot be read.
bool KeepAcceptedSetup(HGLOBAL given, const PAGESETUPDLGW& setup) {
    RememberSetup(given, setup.hDevMode);
    auto* devMode = setup.hDevMode != nullptr ? static_cast<DEVMODEW*>(GlobalLock(setup.hDevMode)) : nullptr;
    if (devMode == nullptr) return false;
    const char16_t* setupName = Narrow(devMode->dmDeviceName);
    const auto* names = setup.hDevNames != nullptr ? static_cast<const uint8_t*>(GlobalLock(setup.hDevNames)) : nullptr;
    const char16_t* device = NamesDevice(names, names != nullptr ? GlobalSize(setup.hDevNames) : 0);
    if (IsFullPrinterName(device, setupName)) {
        g_rememberedName = device;
    } else {
        g_rememberedName.assign(setupName, wcsnlen(devMode->dmDeviceName, kSetupNameUnits - 1));
    }
    if (names != nullptr) GlobalUnlock(setup.hDevNames);
    StorePrinterSetup(devMode, GlobalSize(setup.hDevMode));
    StorePrinterName(g_rememberedName.c_str());
    GlobalUnlock(setup.hDevMode);
    return true;
}

// A device context for the remembered printer with its set-up; null when
// there is none.
HDC CreatePrinterDc(HGLOBAL setup) {
    auto* devMode = static_cast<DEVMODEW*>(GlobalLock(setup));
    if (devMode == nullptr) return nullptr;
    HDC dc = g_printerDc(Wide(g_rememberedName.c_str()), devMode);
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

void SetPageSetupCall(PageSetupCall call) { g_pageSetup = call != nullptr ? call : SystemPageSetup; }

void SetPrinterDcCall(PrinterDcCall call) { g_printerDc = call != nullptr ? call : SystemPrinterDc; }

HDC OpenPrintJob(HWND owner, const wchar_t* documentName, TextView* const* pane, PrintMargins* margins) {
    const PrintMargins stored = LoadPrintMargins();
    PAGESETUPDLGW setup{};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = owner;
    setup.Flags = PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES;
    setup.rtMargin = {stored.left, stored.top, stored.right, stored.bottom};
    setup.hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    HandSetup(&setup);
    HGLOBAL given = nullptr;
    DWORD error = 0;
    if (!RunPageSetup(&setup, &given, &error)) {
        ReleaseSetupBlocks(&setup);
        if (error != 0) MessageBoxW(owner, Wide(PageSetupFailureText(error)), L"Error Printing", MB_OK);
        return nullptr;
    }
    const bool kept = KeepAcceptedSetup(given, setup);
    if (setup.hDevNames != nullptr) GlobalFree(setup.hDevNames);
    // The program is ending and has let go of the pane: no job.
    if (*pane == nullptr) return nullptr;
    HDC dc = kept ? CreatePrinterDc(setup.hDevMode) : nullptr;
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
