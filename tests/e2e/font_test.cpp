// Choosing the reading font as a person does: the dialog opened by Ctrl+F or
// the toolbar's letter A, a face and a size picked from its own lists (the
// faces are whatever this machine has), the pane repainted in them at once
// and again after a restart; Cancel changing nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr int kFontButton = 3;

class ReadingFont : public testing::Test {
protected:
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        PutSetting(L"Flags", kDefaultFlags | kFlagDayChosen);
        PutSetting(L"Day", static_cast<DWORD>(Today()));
    }
    void TearDown() override { EndLeftoverApps(); }
};

std::wstring ItemText(HWND list, LRESULT index) {
    wchar_t text[64] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, index, 0) < 64) SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Whether `face` has Latin letters, so that the lesson shows as text.
bool WritesLatin(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// The first face of the list that writes Latin letters, else the first.
LRESULT PickFace(HWND list) {
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const std::wstring face = ItemText(list, i);
        if (face[0] != L'@' && WritesLatin(face)) return i;
    }
    return count > 0 ? 0 : -1;
}

// Selects item `index` of list `id` as a click would, with its notification.
void Choose(HWND dialog, int id, LRESULT index) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// The text area down to the middle of the window, once every paint the
// program still owes it is done. Below that the frame may end a few pixels
// higher or lower after a restart: the date strip keeps the height of the
// old caption font until then, and faces differ in their cell heights.
std::vector<uint32_t> PaintedText(RunningApp& app) {
    WaitUntilIdle(app);
    RedrawWindow(app.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const WindowParts parts = PartsOf(app);
    std::vector<uint32_t> text = TextPixels(app);
    const size_t upper = static_cast<size_t>(parts.client.bottom / 2 - parts.toolbarBottom) * parts.client.right;
    if (text.size() > upper) text.resize(upper);
    return text;
}

std::vector<uint32_t> Pixels(HWND dialog, int id) { return CaptureClient(GetDlgItem(dialog, id)).pixels; }

// Pixels are read from the screen, and a face whose cells are far taller
// than its letters can make the dialog taller than the screen: it is moved
// up until its bottom, where the sample stands, is on the screen.
void BottomOnScreen(HWND dialog) {
    RECT box{};
    GetWindowRect(dialog, &box);
    const int overhang = box.bottom - GetSystemMetrics(SM_CYSCREEN);
    if (overhang <= 0) return;
    SetWindowPos(dialog, nullptr, box.left, box.top - overhang, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool Closed(HWND dialog) {
    return WaitFor([&] { return !IsWindow(dialog); });
}

std::wstring StoredText(const wchar_t* name) {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

}  // namespace

TEST_F(ReadingFont, TheChosenFontShowsAtOnceAndAfterARestart) {
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> before = TextPixels(app);
    ASSERT_TRUE(PressKey(app, 'F', {VK_CONTROL}));
    HWND dialog = WaitForDialog(app, L"Choose Font");
    ASSERT_NE(dialog, nullptr) << "Ctrl+F opened no font chooser";
    BottomOnScreen(dialog);
    HWND faces = GetDlgItem(dialog, IDC_FACE_LIST);
    const LRESULT face = PickFace(faces);
    ASSERT_GE(face, 0) << "the font chooser lists no face";
    const std::wstring faceName = ItemText(faces, face);
    const std::vector<uint32_t> sample = Pixels(dialog, IDC_FONT_SAMPLE);
    const std::vector<uint32_t> sizes = Pixels(dialog, IDC_SIZE_LIST);
    Choose(dialog, IDC_FACE_LIST, face);
    const LRESULT size = SendDlgItemMessageW(dialog, IDC_SIZE_LIST, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(L"24"));
    ASSERT_GE(size, 0);
    Choose(dialog, IDC_SIZE_LIST, size);
    EXPECT_TRUE(WaitFor([&] { return Pixels(dialog, IDC_FONT_SAMPLE) != sample; })) << "the sample kept its font";
    EXPECT_TRUE(WaitFor([&] { return Pixels(dialog, IDC_SIZE_LIST) != sizes; })) << "the size list did not move";
    EXPECT_TRUE(SaveScreenshot(dialog, L"font_dialog"));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed(dialog));
    EXPECT_TRUE(WaitForChange(app, TextPixels, before)) << "the pane kept its font";
    const std::vector<uint32_t> chosen = PaintedText(app);
    EXPECT_TRUE(SaveScreenshot(app.window, L"pane_in_new_font"));
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredText(L"FontName"), faceName);
    EXPECT_EQ(StoredOr(L"FontSize", 0), 24u);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    EXPECT_TRUE(PaintedText(app) == chosen) << "the font was not honoured at the next start";
    EXPECT_EQ(CloseApp(app), 0u);
}

TEST_F(ReadingFont, CancelChangesNothing) {
    RunningApp app = StartApp();
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> before = PaintedText(app);
    ASSERT_TRUE(ClickToolbarButton(app, kFontButton));
    HWND dialog = WaitForDialog(app, L"Choose Font");
    ASSERT_NE(dialog, nullptr) << "the toolbar's A opened no font chooser";
    Choose(dialog, IDC_FACE_LIST, 0);
    Choose(dialog, IDC_SIZE_LIST, 0);
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    ASSERT_TRUE(Closed(dialog));
    EXPECT_TRUE(PaintedText(app) == before);
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredText(L"FontName"), L"");
    EXPECT_EQ(StoredOr(L"FontSize", 0), 0u);
}
