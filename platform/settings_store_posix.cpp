// The native build's settings store, in memory.
#include "platform/settings_store_posix.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

namespace {

std::map<std::pair<SettingsKey, std::u16string>, StoredValue>& Store() {
    static std::map<std::pair<SettingsKey, std::u16string>, StoredValue> store;
    return store;
}

// A zero-filled copy of the bytes with `padding` zero bytes after them.
uint8_t* CopyWithTerminator(const std::vector<uint8_t>& bytes, size_t padding) {
    auto* copy = static_cast<uint8_t*>(calloc(bytes.size() + padding, 1));
    if (copy != nullptr && !bytes.empty()) memcpy(copy, bytes.data(), bytes.size());
    return copy;
}

bool Write(const char16_t* name, uint32_t type, const void* data, size_t count) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    PutStoredValue(SettingsKey::Program, name, {type, std::vector<uint8_t>(bytes, bytes + count)});
    return true;
}

}  // namespace

void PutStoredValue(SettingsKey key, const std::u16string& name, const StoredValue& value) {
    Store()[{key, name}] = value;
}

const StoredValue* FindStoredValue(SettingsKey key, const std::u16string& name) {
    auto found = Store().find({key, name});
    return found == Store().end() ? nullptr : &found->second;
}

void ClearStoredValues() { Store().clear(); }

int32_t ReadRegistryInt(SettingsKey key, const char16_t* name, int32_t fallback) {
    const StoredValue* stored = FindStoredValue(key, name);
    int32_t value = 0;
    if (stored == nullptr) return fallback;
    return DecodeStoredInt(stored->type, stored->bytes.data(), stored->bytes.size(), &value)
               ? value
               : fallback;
}

char16_t* ReadRegistryString(const char16_t* name) {
    const StoredValue* stored = FindStoredValue(SettingsKey::Program, name);
    if (stored == nullptr) return nullptr;
    return reinterpret_cast<char16_t*>(CopyWithTerminator(stored->bytes, stored->bytes.size() + 2));
}

uint8_t* ReadRegistryBinary(const char16_t* name, size_t* size) {
    const StoredValue* stored = FindStoredValue(SettingsKey::Program, name);
    if (stored == nullptr) return nullptr;
    if (size != nullptr) *size = stored->bytes.size();
    return CopyWithTerminator(stored->bytes, 1);
}

bool WriteRegistryInt(const char16_t* name, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                              static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    return Write(name, kStoredDword, bytes, sizeof(bytes));
}

bool WriteRegistryString(const char16_t* name, const char16_t* text) {
    return Write(name, kStoredString, text, (std::char_traits<char16_t>::length(text) + 1) * 2);
}

bool WriteRegistryBinary(const char16_t* name, const void* bytes, size_t count) {
    return Write(name, kStoredBinary, bytes, count);
}
