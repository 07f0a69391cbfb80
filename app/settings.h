// The settings store: what the reader remembers between runs. The values
// live under the current user's program key, "Quorrin\Varidel-English"
// (directly below the user's root, not below Software), except
// SurroundingGutter, which the publisher key "software\Quorrin" holds and the
// program never writes.
//
// Values are read at start and written back at exit; nothing is written
// while the reader is merely used. A missing or unusable value gives its
// default; reads never fail visibly.
#pragma once

#include <cstddef>
#include <cstdint>

enum class SettingsKey { Program, Publisher };

// Stored value types, numbered as the registry numbers them.
constexpr uint32_t kStoredString = 1;  // UTF-16 text with its terminator
constexpr uint32_t kStoredBinary = 3;
constexpr uint32_t kStoredDword = 4;   // 32-bit little-endian

// Defaults and limits of the values read at start.
constexpr int32_t kDefaultFontAsciiBase = 97;
constexpr int32_t kDefaultGutter = 10;
constexpr int32_t kMaxGutter = 32767;
constexpr int32_t kMaxFontSize = 1000;       // points
constexpr int32_t kMaxFontAsciiBase = 0xFFE6;  // the 26-character sample stays in UTF-16

// The integer an integer setting holds, from its stored type and bytes, or
// false when the value is unusable (a DWORD of other than 4 bytes). A DWORD
// is taken as is. Any other type is read as UTF-16 decimal text: an optional
// leading minus sign, then digits up to the first other unit, the first zero
// unit or the end of the data; no digits give 0. Digits beyond 32 bits wrap
// around as DWORD arithmetic does.
bool DecodeStoredInt(uint32_t type, const uint8_t* data, size_t size, int32_t* value);

// Platform side of the store (settings_win32.cpp over the registry,
// settings_store_posix.cpp in memory for the native build). Every call opens
// the key, does its one value and closes the key again.

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

// Fills the font, the search phrase, LastPosition, Flags, Day (with its
// Hebrew date and caption) and Lesson of g_app from the program key. A stored
// Day the calendar cannot show, or a chosen-day bit without a day, gives no
// chosen day, so that today is shown; a stored Lesson that is not the key of
// the stored Day gives way to the Day's key.
void LoadSettings();

// Writes back what LoadSettings reads: the search phrase, the font name, size
// and sample base when set, the pane's top line as LastPosition when the pane
// exists, Flags, Day and Lesson when set.
void SaveSettings();

// The margin around the reading area from the publisher key; the default
// when it is missing or outside 0..kMaxGutter.
int32_t LoadSurroundingGutter();
