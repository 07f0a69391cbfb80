// What printing keeps between runs, in the program's settings key: the four
// margins (PrintTop, PrintBottom, PrintLeft, PrintRight, thousandths of an
// inch), the printer set-up (DevMode: the platform's DEVMODEW block, as many
// bytes as its memory block held) and its printer's full name (PrinterName,
// text: the set-up's own device name is cut to 31 units, too short for many
// a printer on a server). Also the printer's names as Page Setup exchanges
// them, and the page set-up's failures.
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

// The longest printer name taken from the settings or from Page Setup.
constexpr size_t kMaxPrinterNameUnits = 1024;

// True when `fullName` can be the name of the printer whose set-up has the
// device name `setupName` (as a set-up holds it, cut to 31 units): it is not
// empty, not longer than kMaxPrinterNameUnits, and cut to 31 units it is
// `setupName`. Anything else belongs to another printer or is damaged.
bool IsFullPrinterName(const char16_t* fullName, const char16_t* setupName);

// The stored printer's full name in a new buffer the caller releases with
// free(), when it is the name of the printer whose set-up has the device
// name `setupName`; null when none is stored or it is another's (an older
// copy of the program stores set-ups without it) or damaged.
char16_t* ReadStoredPrinterName(const char16_t* setupName);
void StorePrinterName(const char16_t* name);

// The printer's names as Page Setup takes and returns them (DEVNAMES): four
// 16-bit words, where the driver's, the device's and the output's names
// begin in UTF-16 units from the block's start and whether the printer is
// the default one, then the names, each ending in a zero unit.
constexpr size_t kNamesHeaderSize = 8;
// The size of a names block for the printer `device` (at most
// kMaxPrinterNameUnits long), written by WritePrinterNames.
size_t PrinterNamesSize(const char16_t* device);
void WritePrinterNames(const char16_t* device, uint8_t* block);
// The device's name in a names block of `size` bytes, pointing into the
// block; null when the block cannot hold one (too short, the name outside
// it or not ended inside it, or longer than kMaxPrinterNameUnits).
const char16_t* NamesDevice(const uint8_t* block, size_t size);

// The text shown for a failure code of the page set-up dialog; "Unknown
// Error" for a code it does not name.
const char16_t* PageSetupFailureText(uint32_t code);

// True for the failures of Page Setup that refuse the printer set-up handed
// to it: its printer is gone, renamed or cannot be reached, or the set-up
// and the names disagree. The dialog is worth opening again on the
// defaults. Not for a cancel (0), nor for no printer at all, nor for the
// dialog's own failures, which would only come again.
bool RefusesHandedSetup(uint32_t code);
