// Stored integers decoded, the same on every platform.
#include "platform/settings_store.h"

bool DecodeStoredInt(uint32_t type, const uint8_t* data, size_t size, int32_t* value) {
    if (type == kStoredDword) {
        if (size != 4) return false;
        *value = static_cast<int32_t>(data[0] | (data[1] << 8) | (data[2] << 16) |
                                      (static_cast<uint32_t>(data[3]) << 24));
        return true;
    }
    const size_t units = size / 2;
    size_t i = 0;
    auto unitAt = [&](size_t index) {
        return static_cast<char16_t>(data[2 * index] | (data[2 * index + 1] << 8));
    };
    const bool negative = units > 0 && unitAt(0) == u'-';
    if (negative) ++i;
    uint32_t number = 0;
    for (; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (unit < u'0' || unit > u'9') break;
        number = number * 10 + (unit - u'0');
    }
    *value = static_cast<int32_t>(negative ? 0u - number : number);
    return true;
}

int32_t ReadRegistryInt(const char16_t* name, int32_t fallback) {
    return ReadRegistryInt(SettingsKey::Program, name, fallback);
}
