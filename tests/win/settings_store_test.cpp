// The settings store over the real registry: values written by the program
// read back as written, odd values typed by hand read as documented, and the
// end of the program writes the settings once and lets go of the pane.
#include <windows.h>

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/app_state.h"
#include "app/main_window_win32.h"
#include "app/settings.h"
#include "app/settings_win32.h"
#include "platform/settings_store.h"
#include "view/text_view.h"

namespace {

const wchar_t kKey[] = L"Quorrin\\Varidel-English";

void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, type, data, size);
}

DWORD TypeOf(const wchar_t* name) {
    DWORD type = 0;
    RegGetValueW(HKEY_CURRENT_USER, kKey, name, RRF_RT_ANY, &type, nullptr, nullptr);
    return type;
}

class SettingsStore : public testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        g_app = AppState{};
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        g_app = AppState{};
    }
};

}  // namespace

TEST_F(SettingsStore, WrittenValuesReadBackWithTheirTypes) {
    EXPECT_TRUE(WriteRegistryInt(u"Flags", static_cast<int32_t>(0xD1140040)));
    EXPECT_TRUE(WriteRegistryString(u"FontName", u"Serif"));
    EXPECT_TRUE(WriteRegistryBinary(u"SearchString", "mercy", 6));
    EXPECT_EQ(TypeOf(L"Flags"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(TypeOf(L"FontName"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(TypeOf(L"SearchString"), static_cast<DWORD>(REG_BINARY));

    EXPECT_EQ(ReadRegistryInt(u"Flags", 0), static_cast<int32_t>(0xD1140040));
    EXPECT_EQ(ReadRegistryInt(u"Missing", 97), 97);
    char16_t* name = ReadRegistryString(u"FontName");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::u16string(name), u"Serif");
    free(name);
    size_t size = 0;
    uint8_t* phrase = ReadRegistryBinary(u"SearchString", &size);
    ASSERT_NE(phrase, nullptr);
    EXPECT_EQ(size, 6u);
    EXPECT_STREQ(reinterpret_cast<char*>(phrase), "mercy");
    free(phrase);
    EXPECT_EQ(ReadRegistryString(u"Missing"), nullptr);
    EXPECT_EQ(ReadRegistryBinary(u"Missing"), nullptr);
}

TEST_F(SettingsStore, HandTypedValuesReadAsDocumented) {
    const wchar_t twelve[] = L"12";
    PutRaw(L"FontSize", REG_SZ, twelve, sizeof(twelve));
    const wchar_t unterminated[] = {L'A', L'r', L'i', L'a', L'l'};
    PutRaw(L"FontName", REG_SZ, unterminated, sizeof(unterminated));
    const char phrase[] = {'l', 'o', 'r', 'd'};  // no zero byte
    PutRaw(L"SearchString", REG_BINARY, phrase, sizeof(phrase));
    const uint8_t shortDword[] = {0x40, 0x00};
    PutRaw(L"Flags", REG_DWORD, shortDword, sizeof(shortDword));
    const wchar_t negative[] = L"-3 lines";
    PutRaw(L"SurroundingGutter", REG_SZ, negative, sizeof(negative));
    LoadSettings();
    EXPECT_EQ(g_app.font.FontSize, 12);
    EXPECT_EQ(std::u16string(g_app.font.FontName), u"Arial");
    EXPECT_STREQ(g_app.SearchString, "lord");
    EXPECT_EQ(g_app.Flags, kDefaultFlags);
    // The program key's value is not the publisher's.
    EXPECT_EQ(LoadSurroundingGutter(), kDefaultGutter);
    EXPECT_EQ(ReadRegistryInt(u"SurroundingGutter", 0), -3);
}

TEST_F(SettingsStore, AStringEndingInHalfAUnitIsTerminatedInsideItsBuffer) {
    const uint8_t odd[] = {'A', 0, 'B'};
    PutRaw(L"FontName", REG_SZ, odd, sizeof(odd));
    char16_t* name = ReadRegistryString(u"FontName");
    ASSERT_NE(name, nullptr);
    const size_t capacity = _msize(name) / sizeof(char16_t);
    size_t units = 0;
    while (units < capacity && name[units] != 0) ++units;
    EXPECT_LT(units, capacity) << "no zero unit inside the buffer";
    EXPECT_EQ(std::u16string(name, units), u"AB");
    free(name);
}

TEST_F(SettingsStore, TheEndWritesTheSettingsAndLetsGoOfThePane) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    g_app.mainWindow = window;
    g_app.Flags = kDefaultFlags;
    g_app.Day = 740000;
    auto* pane = static_cast<TextView*>(calloc(1, sizeof(TextView)));
    pane->topLine = 7;
    g_app.pane = pane;

    SaveSettingsAndQuit();
    EXPECT_EQ(g_app.pane, nullptr);
    EXPECT_EQ(ReadRegistryInt(u"LastPosition", -1), 7);
    EXPECT_EQ(ReadRegistryInt(u"Day", 0), 740000);
    MSG message{};
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    // Whatever still arrives finds no pane and leaves it alone.
    const struct {
        UINT message;
        WPARAM wParam;
    } arriving[] = {
        {WM_KEYDOWN, VK_NEXT},
        {WM_VSCROLL, SB_PAGEDOWN},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240))},
        {WM_LBUTTONDOWN, 0},
        {WM_SIZE, SIZE_RESTORED},
        {WM_PAINT, 0},
    };
    for (const auto& input : arriving) {
        MainWindowProc(window, input.message, input.wParam, MAKELPARAM(20, 20));
        EXPECT_EQ(g_app.pane, nullptr) << input.message;
    }
    DestroyWindow(window);
}

TEST_F(SettingsStore, BeforeTheWindowExistsNothingIsWrittenBack) {
    const DWORD stored = 12345;
    PutRaw(L"Day", REG_DWORD, &stored, sizeof(stored));
    g_app.Day = 0;  // as if the settings had been read only in part
    SaveSettingsAndQuit();
    EXPECT_EQ(ReadRegistryInt(u"Day", 0), 12345);
    MSG message{};
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
