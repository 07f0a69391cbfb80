// Loading and saving the reader's settings through one table of the
// integer values.
#include "app/settings.h"

#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "app/current_day.h"
#include "platform/settings_store.h"
#include "view/text_view.h"

namespace {

// One integer setting: its stored name, its default, how a stored value
// enters g_app and what is written back (false: nothing is written).
struct IntSetting {
    const char16_t* name;
    int32_t fallback;
    void (*load)(int32_t stored);
    bool (*save)(int32_t* value);
};

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// In the order they are read and written.
const IntSetting kIntSettings[] = {
    {u"FontSize", 0,
     [](int32_t stored) { g_app.font.FontSize = InRange(stored, 0, kMaxFontSize) ? stored : 0; },
     [](int32_t* value) {
         *value = g_app.font.FontSize;
         return *value != 0 || g_app.fontSizeReset;
     }},
    {u"FontAsciiBase", kDefaultFontAsciiBase,
     [](int32_t stored) {
         g_app.font.FontAsciiBase =
             InRange(stored, 0, kMaxFontAsciiBase) ? stored : kDefaultFontAsciiBase;
     },
     [](int32_t* value) { *value = g_app.font.FontAsciiBase; return *value != 0; }},
    {u"LastPosition", 0,
     [](int32_t stored) { g_app.LastPosition = static_cast<uint16_t>(stored); },
     [](int32_t* value) {
         if (g_app.pane == nullptr) return false;
         *value = g_app.pane->topLine;
         return true;
     }},
    {u"Flags", static_cast<int32_t>(kDefaultFlags),
     [](int32_t stored) { g_app.Flags = static_cast<uint32_t>(stored); },
     [](int32_t* value) { *value = static_cast<int32_t>(g_app.Flags); return true; }},
    {u"Day", 0,
     [](int32_t stored) { g_app.Day = IsSupportedDay(stored) ? stored : 0; },
     [](int32_t* value) { *value = g_app.Day; return true; }},
    {u"Theme", 0, [](int32_t stored) { g_app.theme = ThemeFromStored(stored); },
     [](int32_t* value) { *value = static_cast<int32_t>(g_app.theme); return true; }},
    {u"Lesson", 0,
     [](int32_t stored) { g_app.Lesson = static_cast<LessonKey>(stored); },
     [](int32_t* value) { *value = g_app.Lesson; return *value != 0; }},
};

void LoadFontName() {
    char16_t* stored = ReadRegistryString(u"FontName");
    if (stored != nullptr && stored[0] != 0) {
        int i = 0;
        for (; i < kFontNameUnits - 1 && stored[i] != 0; ++i) g_app.font.FontName[i] = stored[i];
        g_app.font.FontName[i] = 0;
    }
    free(stored);
}

void LoadSearchString() {
    uint8_t* stored = ReadRegistryBinary(u"SearchString");
    if (stored != nullptr && stored[0] != 0) {
        int i = 0;
        for (; i < kSearchStringSize - 1 && stored[i] != 0; ++i) {
            g_app.SearchString[i] = static_cast<char>(stored[i]);
        }
        g_app.SearchString[i] = '\0';
    }
    free(stored);
}

// A stored chosen day needs a day the calendar can show, and the lesson
// shown with it is that day's.
void SettleStoredDay() {
    if (g_app.Day == 0) {
        g_app.Flags &= ~kFlagDayChosen;
        return;
    }
    DeriveDateAndCaption();
    g_app.Lesson = LessonKeyForDate(g_app.hebrewDate);
}

}  // namespace

void LoadSettings() {
    LoadFontName();
    LoadSearchString();
    for (const IntSetting& setting : kIntSettings) {
        setting.load(ReadRegistryInt(setting.name, setting.fallback));
    }
    SettleStoredDay();
}

void SaveSettings() {
    const size_t searchLength = strnlen(g_app.SearchString, kSearchStringSize - 1);
    if (searchLength != 0) {
        g_app.SearchString[searchLength] = '\0';
        WriteRegistryBinary(u"SearchString", g_app.SearchString, searchLength + 1);
    }
    if (g_app.font.FontName[0] != 0) {
        g_app.font.FontName[kFontNameUnits - 1] = 0;
        WriteRegistryString(u"FontName", g_app.font.FontName);
    }
    for (const IntSetting& setting : kIntSettings) {
        int32_t value = 0;
        if (setting.save(&value)) WriteRegistryInt(setting.name, value);
    }
}

int32_t LoadSurroundingGutter() {
    const int32_t gutter =
        ReadRegistryInt(SettingsKey::Publisher, u"SurroundingGutter", kDefaultGutter);
    return InRange(gutter, 0, kMaxGutter) ? gutter : kDefaultGutter;
}
