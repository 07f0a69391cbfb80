// The reader's font choice, persisted in the settings and copied into every
// laid-out view.
#pragma once

#include <cstdint>

constexpr int kFontNameUnits = 32;  // UTF-16 units, terminator included

constexpr int32_t kMaxFontSize = 1000;         // points
constexpr int32_t kDefaultFontAsciiBase = 97;  // the sample shows a to z
constexpr int32_t kMaxFontAsciiBase = 0xFFE6;  // the 26-character sample stays in UTF-16

struct FontSettings {
    char16_t FontName[kFontNameUnits];  // face name; empty = the default face
    int32_t FontSize;                   // points; 0 = not set
    int32_t FontAsciiBase;              // first character of the font sample
};
