// The screen's palettes: with the high-contrast query replaced (wine always
// says it is off) and the system's colours set in this process, the main
// window's own procedure erases and paints the pane, its title, rule and
// highlight, and the date strip in those colours; with it off, in the fixed
// colours whatever the system's are; and with Windows asking apps for their
// dark mode (its query replaced too), in the dark palette.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/main_window_win32.h"
#include "app/pane_automation_win32.h"
#include "app/reading_pane_win32.h"
#include "lessons/lesson_key.h"
#include "lessons/lesson_platform_win32.h"
#include "tests/win/program_resources.h"
#include "view/screen_colours_win32.h"

namespace {

// The main window's procedure, but for its birth and death, which start and
// end the whole program.
LRESULT CALLBACK PaneWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE || message == WM_DESTROY) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return MainWindowProc(window, message, wParam, lParam);
}

// Colours that neither the fixed ones nor a blend of two of these can be.
const int kElements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE,
                         COLOR_BTNTEXT};
const COLORREF kSystem[] = {RGB(0, 0, 96), RGB(0, 255, 128), RGB(128, 0, 128), RGB(255, 128, 0), RGB(64, 32, 0),
                            RGB(224, 224, 224)};

// The system's colours of kElements as the test wants them, put back after.
class TestSystemColours {
public:
    TestSystemColours() {
        for (size_t i = 0; i < 6; ++i) saved_[i] = GetSysColor(kElements[i]);
        SetSysColors(6, kElements, kSystem);
    }
    ~TestSystemColours() { SetSysColors(6, kElements, saved_); }

private:
    COLORREF saved_[6];
};

bool g_highContrast = false;
bool HighContrastForTest() { return g_highContrast; }
bool g_appsLight = true;
bool AppModeForTest() { return g_appsLight; }

// 0x00RRGGBB pixels of the client area, counted by colour.
std::map<uint32_t, int> CountColours(HWND window, const RECT& area) {
    HDC windowDc = GetDC(window);
    std::map<uint32_t, int> counts;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = GetPixel(windowDc, x, y);
            ++counts[(GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c)];
        }
    }
    ReleaseDC(window, windowDc);
    return counts;
}

uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

TEST(HighContrast, ThePaneAndTheStripDrawInThePaletteInForce) {
    RegisterTestWindowClass(L"HighContrastTest", PaneWindowProc);
    const TestSystemColours colours;
    SetHighContrastQuery(HighContrastForTest);
    SetAppModeQuery(AppModeForTest);

    const struct {
        const char* what;
        bool on, appsLight;
        uint32_t page, ink, title, mark, markInk, strip, stripInk;
    } cases[] = {
        {"light", false, true, 0xFFFFFF, 0x000000, 0x0000FF, 0xFFFF00, 0x0000FF, 0xC0C0C0, 0x000000},
        {"high contrast", true, false, Rgb(kSystem[0]), Rgb(kSystem[1]), Rgb(kSystem[1]), Rgb(kSystem[2]),
         Rgb(kSystem[3]), Rgb(kSystem[4]), Rgb(kSystem[5])},
        {"dark", false, false, 0x1E1E1E, 0xE0E0E0, 0x8AB4F8, 0x7A5C00, 0xFFFFFF, 0x2B2B2B, 0xE0E0E0},
    };
    HMODULE program = OpenProgramResources();
    ASSERT_NE(program, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_app = AppState{};
        SetLessonResourceModule(program);
        g_app.Flags = kDefaultFlags & ~kFlagScrollBar;  // a bar coming or going would lay out again
        g_app.Lesson = MakeLessonKey(7, 1);
        std::strcpy(g_app.caption, "27 Kislev, 5787");
        g_highContrast = c.on;
        g_appsLight = c.appsLight;
        HWND window = CreateWindowExW(0, L"HighContrastTest", L"Pane", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        g_app.mainWindow = window;
        ASSERT_EQ(OpenReadingPane(window), 0);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        // A title, a rule as wide as the frame and "body text", with "body"
        // highlighted.
        const std::string lesson = std::string("\xCC\0Title title title\0", 20) + std::string("\xC7\xD2\0", 3) +
                                   std::string("\x81\0body text\0\0", 13);
        char* text = static_cast<char*>(malloc(lesson.size()));
        memcpy(text, lesson.data(), lesson.size());
        ASSERT_EQ(LayoutText(g_app.pane, text, true), kLayoutDone);
        g_app.pane->highlightStart = 25;
        g_app.pane->highlightEnd = 29;
        // What the system sends after its colours change; the window
        // repaints itself, erase and all.
        SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);

        const ViewFrame& f = g_app.pane->frame;
        const std::map<uint32_t, int> pane = CountColours(window, {f.left, f.top, f.left + f.width, f.top + f.height});
        const Rect32& s = g_app.captionStrip;
        const std::map<uint32_t, int> strip = CountColours(window, {s.left, s.top, s.left + s.width, s.top + s.height});
        RECT client{};
        GetClientRect(window, &client);
        const std::map<uint32_t, int> whole = CountColours(window, client);
        const auto count = [](const std::map<uint32_t, int>& counts, uint32_t colour) {
            const auto found = counts.find(colour);
            return found == counts.end() ? 0 : found->second;
        };
        EXPECT_GT(count(pane, c.page), f.width * f.height / 2);
        EXPECT_GT(count(pane, c.ink), 20) << "the rule and the body text";
        EXPECT_GT(count(pane, c.title), 20);
        EXPECT_GT(count(pane, c.mark), 20);
        EXPECT_GT(count(pane, c.markInk), 5);
        EXPECT_GT(count(strip, c.strip), s.width * s.height / 2);
        EXPECT_GT(count(strip, c.stripInk), 20) << "the caption";
        // Nothing of the other palettes shows anywhere in the client area
        // (but what this one shares with them).
        const std::vector<uint32_t> own = {c.page, c.ink, c.title, c.mark, c.markInk, c.strip, c.stripInk};
        for (const auto& other : cases) {
            for (uint32_t colour : {other.page, other.title, other.mark, other.strip}) {
                if (std::find(own.begin(), own.end(), colour) != own.end()) continue;
                EXPECT_EQ(count(whole, colour), 0) << other.what << " " << std::hex << colour;
            }
        }
        ClosePaneAccessibility(window);
        CloseReadingPane(window);
        DestroyTextView(g_app.pane, true);
        DestroyWindow(window);
    }
    SetHighContrastQuery(nullptr);
    SetAppModeQuery(nullptr);
    RefreshScreenColours(Theme::Light);  // the palette the other tests draw with
    SetLessonResourceModule(nullptr);
    FreeLibrary(program);
    g_app = AppState{};
}

}  // namespace
