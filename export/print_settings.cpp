// The stored margins and printer set-up, and the page set-up's failure texts.
#include "export/print_settings.h"

#include <cstdlib>
#include <cstring>

#include "platform/settings_store.h"

namespace {

const char16_t kPrinterSetupValue[] = u"DevMode";
const char16_t kPrinterNameValue[] = u"PrinterName";

// The driver every printer of the system's spooler has in its names.
const char16_t kSpoolerDriver[] = u"winspool";
constexpr size_t kSpoolerDriverUnits = sizeof kSpoolerDriver / sizeof(char16_t);  // with its zero
constexpr size_t kNamesHeaderUnits = kNamesHeaderSize / sizeof(char16_t);

uint16_t Read16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

void Write16(uint8_t* bytes, size_t value) {
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

// The units of `text` before its zero, counting no further than `limit`
// (then limit + 1 is returned).
size_t BoundedLength(const char16_t* text, size_t limit) {
    size_t length = 0;
    while (length <= limit && text[length] != 0) ++length;
    return length;
}

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

bool IsFullPrinterName(const char16_t* fullName, const char16_t* setupName) {
    if (fullName == nullptr || setupName == nullptr) return false;
    const size_t length = BoundedLength(fullName, kMaxPrinterNameUnits);
    if (length == 0 || length > kMaxPrinterNameUnits) return false;
    const size_t cut = length < kSetupNameUnits - 1 ? length : kSetupNameUnits - 1;
    return BoundedLength(setupName, kSetupNameUnits - 1) == cut &&
           memcmp(fullName, setupName, cut * sizeof(char16_t)) == 0;
}

char16_t* ReadStoredPrinterName(const char16_t* setupName) {
    char16_t* name = ReadRegistryString(kPrinterNameValue);
    if (IsFullPrinterName(name, setupName)) return name;
    free(name);
    return nullptr;
}

void StorePrinterName(const char16_t* name) { WriteRegistryString(kPrinterNameValue, name); }

size_t PrinterNamesSize(const char16_t* device) {
    return (kNamesHeaderUnits + kSpoolerDriverUnits + BoundedLength(device, kMaxPrinterNameUnits) + 1) *
           sizeof(char16_t);
}

void WritePrinterNames(const char16_t* device, uint8_t* block) {
    const size_t length = BoundedLength(device, kMaxPrinterNameUnits);
    const size_t driverAt = kNamesHeaderUnits;
    const size_t deviceAt = driverAt + kSpoolerDriverUnits;
    Write16(block, driverAt);
    Write16(block + 2, deviceAt);
    Write16(block + 4, deviceAt + length);  // no output: the device's zero
    Write16(block + 6, 0);
    memcpy(block + driverAt * sizeof(char16_t), kSpoolerDriver, sizeof kSpoolerDriver);
    memcpy(block + deviceAt * sizeof(char16_t), device, length * sizeof(char16_t));
    Write16(block + (deviceAt + length) * sizeof(char16_t), 0);
}

const char16_t* NamesDevice(const uint8_t* block, size_t size) {
    if (block == nullptr || size < kNamesHeaderSize) return nullptr;
    const size_t deviceAt = Read16(block + 2);
    if (deviceAt < kNamesHeaderUnits) return nullptr;
    for (size_t unit = deviceAt; (unit + 1) * sizeof(char16_t) <= size; ++unit) {
        if (unit - deviceAt > kMaxPrinterNameUnits) return nullptr;
        if (Read16(block + unit * sizeof(char16_t)) == 0) {
            return reinterpret_cast<const char16_t*>(block + deviceAt * sizeof(char16_t));
        }
    }
    return nullptr;
}

const char16_t* PageSetupFailureText(uint32_t code) {
    for (const FailureText& failure : kFailureTexts) {
        if (failure.code == code) return failure.text;
    }
    return u"Unknown Error";
}

bool RefusesHandedSetup(uint32_t code) {
    switch (code) {
    case 0x1002:  // the printer's entry could not be read
    case 0x1004:  // its driver could not be loaded
    case 0x1005:  // its driver refused the set-up
    case 0x1006:  // the set-up could not be taken in
    case 0x1009:  // set-up and names are for different printers
    case 0x100A:  // the printer could not be reached
    case 0x100B:  // no printer of that name
    case 0x100C:  // the names say default, but the default is another
        return true;
    default:
        return false;
    }
}
