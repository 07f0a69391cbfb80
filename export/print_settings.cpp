// The stored margins and printer set-up, and the page set-up's failure texts.
#include "export/print_settings.h"

#include <cstdlib>

#include "platform/settings_store.h"

namespace {

const char16_t kPrinterSetupValue[] = u"DevMode";

uint16_t Read16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

struct FailureText {
    uint32_t code;
    const char16_t* text;
};

// By the codes the dialog's extended error reports.
const FailureText kFailureTexts[] = {
    {0x0001, u"Struct Size"},
    {0x0002, u"Initialization"},
    {0x0003, u"No Template"},
    {0x0004, u"No hInstance"},
    {0x0005, u"Load String Failure"},
    {0x0006, u"Find Resource Failure"},
    {0x0007, u"Load Resource Failure"},
    {0x0008, u"Lock Resource Failure"},
    {0x0009, u"Memory Allocation Failure"},
    {0x000A, u"Memory Lock Failure"},
    {0x000B, u"No Hook"},
    {0x000C, u"RegisterWindowMessage Fail"},
    {0x1001, u"Setup Failure"},
    {0x1002, u"Parse Failure"},
    {0x1003, u"Return Default Failure"},
    {0x1004, u"Load Driver Failure"},
    {0x1005, u"GetDevMode Fail"},
    {0x1006, u"Init Failure"},
    {0x1007, u"No Printer Drivers Were Found"},
    {0x1008, u"No Default Printer"},
    {0x1009, u"DevMode and DevNames Are For Different Printers"},
    {0x100A, u"Create Information Context  Failure"},
    {0x100B, u"Printer Not Found"},
    {0x100C, u"Default Different"},
    {0xFFFF, u"Dialog Failure"},
};

}  // namespace

PrintMargins LoadPrintMargins() {
    PrintMargins margins{};
    margins.top = ReadRegistryInt(u"PrintTop", kDefaultPrintMargin);
    margins.bottom = ReadRegistryInt(u"PrintBottom", kDefaultPrintMargin);
    margins.left = ReadRegistryInt(u"PrintLeft", kDefaultPrintMargin);
    margins.right = ReadRegistryInt(u"PrintRight", kDefaultPrintMargin);
    return margins;
}

void SavePrintMargins(const PrintMargins& margins) {
    WriteRegistryInt(u"PrintTop", margins.top);
    WriteRegistryInt(u"PrintBottom", margins.bottom);
    WriteRegistryInt(u"PrintLeft", margins.left);
    WriteRegistryInt(u"PrintRight", margins.right);
}

PrintMargins SaveUsableMargins(const PrintableArea& area, const PrintMargins& accepted) {
    const PrintMargins usable = FitMargins(area, accepted);
    SavePrintMargins(usable);
    return usable;
}

bool IsPrinterSetup(const uint8_t* bytes, size_t size) {
    if (bytes == nullptr || size < kSetupHeaderSize) return false;
    const size_t ownSize = Read16(bytes + kSetupSizeOffset);
    const size_t extra = Read16(bytes + kSetupExtraOffset);
    if (ownSize < kSetupHeaderSize || ownSize + extra > size) return false;
    for (size_t unit = 0; unit < kSetupNameUnits; ++unit) {
        if (Read16(bytes + 2 * unit) == 0) return true;
    }
    return false;
}

uint8_t* ReadStoredPrinterSetupBytes(size_t* size) {
    size_t stored = 0;
    uint8_t* bytes = ReadRegistryBinary(kPrinterSetupValue, &stored);
    if (!IsPrinterSetup(bytes, stored)) {
        free(bytes);
        return nullptr;
    }
    *size = stored;
    return bytes;
}

void StorePrinterSetup(const void* bytes, size_t size) {
    WriteRegistryBinary(kPrinterSetupValue, bytes, size);
}

const char16_t* PageSetupFailureText(uint32_t code) {
    for (const FailureText& failure : kFailureTexts) {
        if (failure.code == code) return failure.text;
    }
    return u"Unknown Error";
}
