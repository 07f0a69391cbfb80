// The settings store over the registry of the current user.
#include "platform/settings_store.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "platform/alloc_or_quit.h"
#include "platform/wide_text_win32.h"

static_assert(kStoredString == REG_SZ && kStoredBinary == REG_BINARY && kStoredDword == REG_DWORD,
              "stored types are numbered as the registry numbers them");

namespace {

const wchar_t kProgramKey[] = L"Quorrin\\Varidel-English";
const wchar_t kPublisherKey[] = L"software\\Quorrin";

// The value's type and bytes in a new buffer with `padding` zero bytes after
// the data, or null. `*size` receives the number of bytes read.
uint8_t* ReadValue(SettingsKey key, const char16_t* name, DWORD* type, DWORD* size, size_t padding) {
    HKEY handle = nullptr;
    const wchar_t* path = key == SettingsKey::Program ? kProgramKey : kPublisherKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &handle) != ERROR_SUCCESS) return nullptr;
    uint8_t* buffer = nullptr;
    if (RegQueryValueExW(handle, Wide(name), nullptr, type, nullptr, size) == ERROR_SUCCESS) {
        buffer = static_cast<uint8_t*>(AllocOrQuit(*size + padding));
    }
    if (buffer != nullptr) {
        memset(buffer, 0, *size + padding);
        if (RegQueryValueExW(handle, Wide(name), nullptr, type, buffer, size) != ERROR_SUCCESS) {
            free(buffer);
            buffer = nullptr;
        }
    }
    RegCloseKey(handle);
    return buffer;
}

bool WriteValue(const char16_t* name, DWORD type, const void* data, size_t count) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kProgramKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool set = RegSetValueExW(handle, Wide(name), 0, type, static_cast<const BYTE*>(data),
                                    static_cast<DWORD>(count)) == ERROR_SUCCESS;
    RegCloseKey(handle);
    return set;
}

}  // namespace

int32_t ReadRegistryInt(SettingsKey key, const char16_t* name, int32_t fallback) {
    DWORD type = 0;
    DWORD size = 0;
    uint8_t* data = ReadValue(key, name, &type, &size, 0);
    if (data == nullptr) return fallback;
    int32_t value = fallback;
    if (!DecodeStoredInt(type, data, size, &value)) value = fallback;
    free(data);
    return value;
}

char16_t* ReadRegistryString(const char16_t* name) {
    DWORD type = 0;
    DWORD size = 0;
    // The stored text may lack its terminator, and a hand-made value may end
    // in half a unit: three zero bytes leave a whole zero unit after the data.
    return reinterpret_cast<char16_t*>(
        ReadValue(SettingsKey::Program, name, &type, &size, sizeof(char16_t) + 1));
}

uint8_t* ReadRegistryBinary(const char16_t* name, size_t* size) {
    DWORD type = 0;
    DWORD stored = 0;
    uint8_t* data = ReadValue(SettingsKey::Program, name, &type, &stored, 1);
    if (data != nullptr && size != nullptr) *size = stored;
    return data;
}

bool WriteRegistryInt(const char16_t* name, int32_t value) {
    const DWORD data = static_cast<DWORD>(value);
    return WriteValue(name, REG_DWORD, &data, sizeof(data));
}

bool WriteRegistryString(const char16_t* name, const char16_t* text) {
    return WriteValue(name, REG_SZ, text, (wcslen(Wide(text)) + 1) * sizeof(char16_t));
}

bool WriteRegistryBinary(const char16_t* name, const void* bytes, size_t count) {
    return WriteValue(name, REG_BINARY, bytes, count);
}
