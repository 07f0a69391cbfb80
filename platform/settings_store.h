// The settings store: the values the reader keeps between runs, read and
// written one at a time. They live under the current user's program key,
// "Quorrin\Varidel-English" (directly below the user's root, not below
// Software), except what the publisher key "software\Quorrin" holds, which
// the program only reads. The registry holds them on Windows
// (settings_store_win32.cpp); the native build keeps them in memory
// (settings_store_posix.h). Every call opens the key, does its one value and
// closes the key again; reads never fail visibly.
#pragma once

#include <cstddef>
#include <cstdint>

enum class SettingsKey { Program, Publisher };

// Stored value types, numbered as the registry numbers them.
constexpr uint32_t kStoredString = 1;  // UTF-16 text with its terminator
constexpr uint32_t kStoredBinary = 3;
constexpr uint32_t kStoredDword = 4;   // 32-bit little-endian

// The integer an integer setting holds, from its stored type and bytes, or
// false when the value is unusable (a DWORD of other than 4 bytes). A DWORD
// is taken as is. Any other type is read as UTF-16 decimal text: an optional
// leading minus sign, then digits up to the first other unit, the first zero
// unit or the end of the data; no digits give 0. Digits beyond 32 bits wrap
// around as DWORD arithmetic does.
bool DecodeStoredInt(uint32_t type, const uint8_t* data, size_t size, int32_t* value);

// The integer setting `name`, or `fallback` when it is missing or unusable.
int32_t ReadRegistryInt(SettingsKey key, const char16_t* name, int32_t fallback);
// The same from the program key.
int32_t ReadRegistryInt(const char16_t* name, int32_t fallback);
// A new buffer with the value's data as UTF-16 followed by at least one zero
// unit, or null. The caller releases it with free().
char16_t* ReadRegistryString(const char16_t* name);
// A new buffer with the value's raw bytes followed by one zero byte, or null.
// `size`, when given, receives the number of stored bytes. The caller
// releases it with free().
uint8_t* ReadRegistryBinary(const char16_t* name, size_t* size = nullptr);
// Writes to the program key, creating it; true when the value was set.
bool WriteRegistryInt(const char16_t* name, int32_t value);
bool WriteRegistryString(const char16_t* name, const char16_t* text);
bool WriteRegistryBinary(const char16_t* name, const void* bytes, size_t count);
