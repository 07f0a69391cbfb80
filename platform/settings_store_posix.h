// The native build's settings store: the same values as the registry holds,
// kept in memory, so that loading and saving can be checked without Windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/settings_store.h"

struct StoredValue {
    uint32_t type;
    std::vector<uint8_t> bytes;
};

void PutStoredValue(SettingsKey key, const std::u16string& name, const StoredValue& value);
// Null when the value does not exist.
const StoredValue* FindStoredValue(SettingsKey key, const std::u16string& name);
void ClearStoredValues();
