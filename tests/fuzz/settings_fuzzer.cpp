// Fuzz target: hand-edited settings of any type and content through the
// loader and the print settings' readers. The input is a run of values, each a name byte, a type byte, a
// length byte and that many data bytes. After loading, every field must be
// within its documented range, and saving then loading again must give the
// same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/app_state.h"
#include "app/settings.h"
#include "export/print_settings.h"
#include "platform/settings_store_posix.h"

namespace {

const char16_t* const kNames[] = {u"FontName", u"SearchString", u"FontSize", u"FontAsciiBase",
                                  u"LastPosition", u"Flags", u"Day", u"Lesson",
                                  u"DevMode", u"PrintTop", u"PrintLeft", u"SurroundingGutter"};
constexpr size_t kNameCount = sizeof(kNames) / sizeof(kNames[0]);

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckRanges() {
    Check(memchr(g_app.font.FontName, 0, sizeof(g_app.font.FontName)) != nullptr);
    Check(memchr(g_app.SearchString, 0, sizeof(g_app.SearchString)) != nullptr);
    Check(g_app.font.FontSize >= 0 && g_app.font.FontSize <= kMaxFontSize);
    Check(g_app.font.FontAsciiBase >= 0 && g_app.font.FontAsciiBase <= kMaxFontAsciiBase);
    Check(g_app.Day == 0 || IsSupportedDay(g_app.Day));
    Check(g_app.Day != 0 || !(g_app.Flags & kFlagDayChosen));
    Check(g_app.captionLength >= 0 && g_app.captionLength < static_cast<int32_t>(kCaptionFieldSize));
    Check(g_app.caption[g_app.captionLength] == '\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ClearStoredValues();
    for (size_t at = 0; at + 3 <= size;) {
        const size_t name = data[at] % kNameCount;
        const uint32_t type = data[at + 1] % 12;
        const size_t length = data[at + 2];
        at += 3;
        const size_t taken = length < size - at ? length : size - at;
        const SettingsKey key = name + 1 == kNameCount ? SettingsKey::Publisher : SettingsKey::Program;
        PutStoredValue(key, kNames[name], {type, std::vector<uint8_t>(data + at, data + at + taken)});
        at += taken;
    }
    g_app = AppState{};
    LoadSettings();
    CheckRanges();
    const int32_t gutter = LoadSurroundingGutter();
    Check(gutter >= 0 && gutter <= kMaxGutter);
    LoadPrintMargins();
    size_t setupSize = 0;
    uint8_t* setup = ReadStoredPrinterSetupBytes(&setupSize);
    Check(setup == nullptr || setupSize >= kSetupHeaderSize);
    free(setup);

    const AppState loaded = g_app;
    SaveSettings();
    g_app = AppState{};
    LoadSettings();
    Check(memcmp(&g_app.font, &loaded.font, sizeof(loaded.font)) == 0);
    Check(strcmp(g_app.SearchString, loaded.SearchString) == 0);
    Check(g_app.LastPosition == loaded.LastPosition && g_app.Flags == loaded.Flags);
    Check(g_app.Day == loaded.Day && g_app.Lesson == loaded.Lesson);
    Check(strcmp(g_app.caption, loaded.caption) == 0);
    return 0;
}
