// The reader's settings: what it remembers between runs, in the settings
// store (platform/settings_store.h), SurroundingGutter in the publisher key.
// Values are read at start and written back at exit; nothing is written
// while the reader is merely used. A missing or unusable value gives its
// default.
#pragma once

#include <cstdint>

// Defaults and limits of the values read at start.
constexpr int32_t kDefaultGutter = 10;
constexpr int32_t kMaxGutter = 32767;

// Fills the font, the search phrase, LastPosition, Flags, Day (with its
// Hebrew date and caption), the theme and Lesson of g_app from the program
// key. A stored
// Day the calendar cannot show, or a chosen-day bit without a day, gives no
// chosen day, so that today is shown; a stored Lesson that is not the key of
// the stored Day gives way to the Day's key.
void LoadSettings();

// Writes back what LoadSettings reads: the search phrase, the font name, size
// and sample base when set (the size also after the reader went back to the
// default), the pane's top line as LastPosition when the pane exists, Flags,
// Day, the theme, and Lesson when set.
void SaveSettings();

// The margin around the reading area from the publisher key; the default
// when it is missing or outside 0..kMaxGutter.
int32_t LoadSurroundingGutter();
