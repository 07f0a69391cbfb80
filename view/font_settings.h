// The reader's font choice, persisted in the settings and copied into every
// laid-out view.
#pragma once

#include <cstdint>

constexpr int kFontNameUnits = 32;  // UTF-16 units, terminator included

struct FontSettings {
    char16_t FontName[kFontNameUnits];  // face name; empty = the default face
    int32_t FontSize;                   // points; 0 = not set
    int32_t FontAsciiBase;              // first character of the font sample
};
