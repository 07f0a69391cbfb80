// What printing keeps between runs, in the program's settings key: the four
// margins (PrintTop, PrintBottom, PrintLeft, PrintRight, thousandths of an
// inch) and the printer set-up (DevMode: the platform's DEVMODEW block, as
// many bytes as its memory block held). Also the page set-up's failure texts.
#pragma once

#include <cstddef>
#include <cstdint>

#include "export/print_pages.h"

// The stored margins; a missing or unusable one is an inch.
PrintMargins LoadPrintMargins();
// Stores all four, in the order top, bottom, left, right.
void SavePrintMargins(const PrintMargins& margins);
// Stores the accepted margins as fitted to the printable area (FitMargins),
// so that margins too wide for the paper do not come back on the next
// print, and returns them.
PrintMargins SaveUsableMargins(const PrintableArea& area, const PrintMargins& accepted);

// The printer set-up's fixed header as the platform lays it out: the device
// name in 32 UTF-16 units, the record's and the driver's version, dmSize and
// dmDriverExtra (16 bits each), then dmFields (32 bits).
constexpr size_t kSetupNameUnits = 32;
constexpr size_t kSetupSizeOffset = 68;
constexpr size_t kSetupExtraOffset = 70;
constexpr size_t kSetupHeaderSize = 76;

// True when `size` bytes can be a printer set-up: they hold at least the
// header, dmSize covers the header, dmSize + dmDriverExtra bytes are there,
// and the device name ends inside its field. Anything else would make the
// system read past the block or take an unterminated name.
bool IsPrinterSetup(const uint8_t* bytes, size_t size);

// The stored printer set-up in a new buffer the caller releases with free(),
// its size in `*size`; null when none is stored or the stored bytes cannot
// be a printer set-up.
uint8_t* ReadStoredPrinterSetupBytes(size_t* size);
void StorePrinterSetup(const void* bytes, size_t size);

// The text shown for a failure code of the page set-up dialog; "Unknown
// Error" for a code it does not name.
const char16_t* PageSetupFailureText(uint32_t code);
