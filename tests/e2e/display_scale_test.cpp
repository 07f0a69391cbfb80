// The program at the display's scale. Wine takes the scale from the
// prefix's LogPixels: this suite runs with the others at 96 pixels per inch
// and again, alone, at 144 and 192 in a prefix of its own (see
// cmake/windows.cmake). Every expectation comes from the resolution the
// window reports and from fonts measured here; screenshots of the window and
// of every dialog are written with the resolution in their names.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

#include "resource_ids.h"
#include "tests/default_face_metrics_win32.h"
#include "tests/e2e/app_driver.h"
#include "view/display_scale.h"
#include "view/display_scale_win32.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kDayChosen = 0x4;
constexpr int kImageSizes[kDrawnScales] = {16, 24, 32};
constexpr int kPictureIds[kDrawnScales] = {IDB_ABOUT, IDB_ABOUT_150, IDB_ABOUT_200};
const AbsoluteDay kDay = AbsoluteFromGregorian({3, 20, 2027});

class DisplayScale : public testing::Test {
protected:
    // A day of verses, in a window of one size in pixels at every scale.
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        ClearGutter();
        PutSetting(L"Flags", kDefaultFlags | kDayChosen);
        PutSetting(L"Day", static_cast<DWORD>(kDay));
        PutSetting(L"Left", 20);
        PutSetting(L"Top", 20);
    }
    void TearDown() override {
        EndLeftoverApps();
        ClearGutter();
    }
    // The window's size and the reading font's points.
    static void Shape(DWORD width, DWORD height, DWORD points) {
        PutSetting(L"Width", width);
        PutSetting(L"Height", height);
        PutSetting(L"FontSize", points);
    }
};

std::wstring ShotName(int32_t dpi, const wchar_t* what) {
    return L"scale_" + std::to_wstring(dpi) + L"_" + what;
}

// Cell height of the default face at `height` logical units (negative:
// character height), as this screen makes it.
int CellHeight(int height, int weight = FW_NORMAL) { return DefaultFaceMetrics(height, weight).tmHeight; }

// Side of the toolbar's images: a button is its image and the padding.
int ToolbarImageSide(HWND window) {
    HWND toolbar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    if (toolbar == nullptr) return 0;
    const DWORD button = static_cast<DWORD>(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0));
    const DWORD padding = static_cast<DWORD>(SendMessageW(toolbar, TB_GETPADDING, 0, 0));
    return LOWORD(button) - LOWORD(padding);
}

// A run of rows with something drawn on them in the text area: its first
// row and its leftmost drawn pixel.
struct InkRun {
    int top;
    int left;
};

// The runs from the top of the text area. The day's lesson opens with its
// date, centred, and three left-aligned lines of the body's font.
std::vector<InkRun> InkRuns(const RunningApp& app) {
    const WindowParts parts = PartsOf(app);
    const ClientPixels pixels = CaptureClient(app.window);
    std::vector<InkRun> runs;
    bool inkAbove = false;
    for (int y = parts.toolbarBottom; y < parts.stripTop; ++y) {
        int left = -1;
        for (int x = 0; x < pixels.width && left < 0; ++x) {
            if (pixels.At(x, y) != 0xFFFFFF) left = x;
        }
        if (left >= 0 && !inkAbove) runs.push_back({y, left});
        if (left >= 0 && left < runs.back().left) runs.back().left = left;
        inkAbove = left >= 0;
    }
    return runs;
}

// Width of a bitmap of Varidel.exe.
int BitmapWidth(int id) {
    HMODULE module = LoadLibraryExW(g_exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    DeleteObject(bitmap);
    FreeLibrary(module);
    return info.bmWidth;
}

// WM_DPICHANGED as the system sends it, the suggested rectangle in the
// program's own memory; false when it could not be delivered.
bool SendDpiChanged(RunningApp& app, int32_t dpi, const RECT& suggested) {
    void* rect = VirtualAllocEx(app.process.hProcess, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
    if (rect == nullptr) return false;
    DWORD_PTR result = 0;
    const bool sent =
        WriteProcessMemory(app.process.hProcess, rect, &suggested, sizeof suggested, nullptr) &&
        SendMessageTimeoutW(app.window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(rect),
                            SMTO_NORMAL, kWaitLimitMs, &result) != 0;
    VirtualFreeEx(app.process.hProcess, rect, 0, MEM_RELEASE);
    return sent;
}

// Opens the dialog of `command`, saves its picture, hands it to `check`
// and closes it.
void ShootDialog(RunningApp& app, WORD command, const wchar_t* caption, const std::wstring& name,
                 const std::function<void(HWND)>& check = nullptr) {
    PostMessageW(app.window, WM_COMMAND, command, 0);
    HWND dialog = WaitForDialog(app, caption);
    ASSERT_NE(dialog, nullptr) << "no dialog " << command;
    EXPECT_TRUE(SaveScreenshot(dialog, name));
    if (check) check(dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
}

}  // namespace

TEST_F(DisplayScale, TheWindowAndItsDialogsAreDrawnAtTheScreensScale) {
    Shape(900, 700, 12);
    PutGutter(0);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const int32_t dpi = WindowDpi(app.window);
    const std::vector<InkRun> tight = InkRuns(app);
    EXPECT_EQ(CloseApp(app), 0u);

    PutGutter(40);
    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(SaveScreenshot(app.window, ShotName(dpi, L"window")));
    const WindowParts parts = PartsOf(app);
    const std::vector<InkRun> framed = InkRuns(app);
    ASSERT_GE(tight.size(), 4u);
    ASSERT_GE(framed.size(), 4u);
    // The gutter is given at 96: the text moves down and the left-aligned
    // lines right by its scaled size.
    EXPECT_EQ(framed[0].top - tight[0].top, ScaleToDpi(40, dpi));
    EXPECT_EQ(framed[1].left - tight[1].left, ScaleToDpi(40, dpi));
    // Lines of 12 points at the window's resolution.
    const int lineHeight = CellHeight(-MulDiv(12, dpi, 72));
    EXPECT_EQ(framed[2].top - framed[1].top, lineHeight);
    EXPECT_EQ(framed[3].top - framed[2].top, lineHeight);
    EXPECT_EQ(parts.client.bottom - parts.stripTop, CellHeight(ScaleToDpi(14, dpi)) + 2) << "the date strip";
    EXPECT_EQ(ToolbarImageSide(app.window), kImageSizes[NearestDrawnScale(dpi)]);

    ShootDialog(app, CMD_CALENDAR, L"Hebrew Calendar", ShotName(dpi, L"calendar"));
    ShootDialog(app, CMD_SEARCH, L"Varidel", ShotName(dpi, L"search"));
    ShootDialog(app, CMD_FONT, L"Choose Font", ShotName(dpi, L"font"));
    ShootDialog(app, CMD_ABOUT, L"Varidel", ShotName(dpi, L"about"), [&](HWND about) {
        HWND picture = nullptr;
        for (HWND child = GetWindow(about, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) picture = child;
        }
        ASSERT_NE(picture, nullptr);
        RECT box{};
        GetClientRect(picture, &box);
        EXPECT_EQ(box.right, BitmapWidth(kPictureIds[NearestDrawnScale(dpi)])) << "the picture drawn nearest";
    });
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"SurroundingGutter", 12345), 12345u);
}

// The colour most of `pixels` have.
uint32_t MostPixels(const std::vector<uint32_t>& pixels) {
    std::map<uint32_t, size_t> counts;
    for (uint32_t pixel : pixels) ++counts[pixel];
    uint32_t most = 0;
    size_t seen = 0;
    for (const auto& [colour, count] : counts) {
        if (count > seen) most = colour, seen = count;
    }
    return most;
}

TEST_F(DisplayScale, TheDarkWindowItsTitleBoxCalendarAndAboutBoxAtTheScreensScale) {
    Shape(900, 700, 12);
    PutSetting(L"Theme", 2);
    PutSettingBytes(L"SearchString", REG_BINARY, {'C', 'h', 'a', 'n', 'u', 'k', 'a', 'h', 0});
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const int32_t dpi = WindowDpi(app.window);
    EXPECT_EQ(MostPixels(TextPixels(app)), 0x1E1E1Eu) << "the dark page";
    SendCommand(app, CMD_SEARCH_AGAIN);  // a lesson with a title: its box
    ASSERT_TRUE(WaitUntilIdle(app));
    EXPECT_TRUE(SaveScreenshot(app.window, ShotName(dpi, L"dark_window")));
    ShootDialog(app, CMD_CALENDAR, L"Hebrew Calendar", ShotName(dpi, L"dark_calendar"));
    ShootDialog(app, CMD_ABOUT, L"Varidel", ShotName(dpi, L"dark_about"));
    EXPECT_EQ(CloseApp(app), 0u);
}

// Where the pixels say the text and the date strip are, a click lands.
TEST_F(DisplayScale, ClicksAndScrollingLandWhereThePixelsSay) {
    Shape(480, 360, 20);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const WindowParts parts = PartsOf(app);
    const int middle = (parts.toolbarBottom + parts.stripTop) / 2;
    const std::vector<uint32_t> first = TextPixels(app);
    ASSERT_TRUE(ClickClient(app, parts.client.right / 2, parts.stripTop - 2));
    EXPECT_TRUE(WaitForChange(app, TextPixels, first)) << "a click low in the text pages down";
    const std::vector<uint32_t> paged = TextPixels(app);
    ASSERT_TRUE(PressKey(app, VK_UP));
    EXPECT_TRUE(WaitForChange(app, TextPixels, paged)) << "Up scrolls";
    ASSERT_TRUE(ClickClient(app, parts.client.right / 2, middle - ScaleToDpi(20, WindowDpi(app.window))));
    EXPECT_TRUE(WaitFor([&] { return TextPixels(app) == first; })) << "a click high in the text pages up";

    ASSERT_TRUE(ClickClient(app, parts.client.right / 2, parts.stripTop + 1));
    HWND calendar = WaitForDialog(app, L"Hebrew Calendar");
    EXPECT_NE(calendar, nullptr) << "a click on the date strip opens the calendar";
    if (calendar != nullptr) PostMessageW(calendar, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitFor([&] { return FindWindowW(L"#32770", L"Hebrew Calendar") == nullptr; }));
    EXPECT_EQ(CloseApp(app), 0u);
}

// The driver tells the window it is on a screen with half as many pixels
// per inch again, as the system does when it is dragged there: the window
// takes the rectangle given, the strip, the toolbar and the text are rebuilt
// larger, and the day and the place in its lesson stay.
TEST_F(DisplayScale, AChangeOfResolutionRebuildsTheWindowAndKeepsThePlace) {
    Shape(480, 360, 20);
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const int32_t before = WindowDpi(app.window);
    const int32_t after = before * 3 / 2;
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(PressKey(app, VK_DOWN));

    // Moved and taller, but no wider: the larger text wraps into more lines.
    RECT suggested{};
    GetWindowRect(app.window, &suggested);
    OffsetRect(&suggested, 10, 10);
    suggested.bottom += (suggested.bottom - suggested.top) / 4;
    ASSERT_TRUE(SendDpiChanged(app, after, suggested));

    RECT now{};
    GetWindowRect(app.window, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested)) << "the window takes the rectangle given";
    // Repainted once the program has had its paint message.
    const int strip = CellHeight(ScaleToDpi(14, after)) + 2;
    EXPECT_TRUE(WaitFor([&] {
        const WindowParts parts = PartsOf(app);
        return parts.client.bottom - parts.stripTop == strip;
    })) << "the date strip";
    EXPECT_EQ(ToolbarImageSide(app.window), kImageSizes[NearestDrawnScale(after)]);
    EXPECT_TRUE(SaveScreenshot(app.window, ShotName(before, L"changed_to_") + std::to_wstring(after)));
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(kDay));
    // Larger lines: more of them lie above the one kept at the top.
    EXPECT_GT(StoredOr(L"LastPosition", 0), 8u);
}
