// Searching the book through the search dialog, Search Again and Enter: the
// day that a match moves to, the highlight and the title box painted, Match
// Case, "Not Found!", and what is remembered of the search between runs;
// Find All's list, a day picked from it and Search Again on from there.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <string>

#include "lessons/lesson_container.h"
#include "lessons/lesson_key.h"
#include "resource_ids.h"
#include "tests/e2e/app_driver.h"

namespace {

constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kDayChosen = 0x4;
constexpr DWORD kMatchCase = 0x20;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kRed = 0xFF0000;

class Searching : public testing::Test {
protected:
    // A match is known by the colours of its letters, which the face must
    // draw large enough to show them.
    void SetUp() override {
        EndLeftoverApps();
        ClearSettings();
        ClearGutter();
        PutLegibleFontSize();
    }
    void TearDown() override { EndLeftoverApps(); }

    // Starts on the day of lesson `key` in Hebrew year `year`.
    RunningApp StartOn(LessonKey key, int32_t year) {
        PutSetting(L"Flags", kDefaultFlags | kDayChosen);
        PutSetting(L"Day", static_cast<DWORD>(DayForLessonKey(key, year)));
        RunningApp app = StartApp();
        EXPECT_NE(app.window, nullptr);
        return app;
    }
};

// The program's window of class #32770 captioned "Varidel" owned by `owner`:
// the search dialog, or a message box over it.
HWND OwnedBox(HWND owner) {
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", L"Varidel"); w != nullptr;
             w = FindWindowExW(nullptr, w, L"#32770", L"Varidel")) {
            if (GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w)) found = w;
        }
        return found != nullptr;
    });
    return found;
}

bool Closed(HWND window) {
    return WaitFor([&] { return !IsWindow(window); });
}

// Opens the search dialog with `key` and `modifiers`, types `phrase`, sets
// Match Case and presses Enter; returns the dialog, which may have closed
// since.
HWND Search(RunningApp& app, WORD key, std::initializer_list<WORD> modifiers, const wchar_t* phrase,
            bool matchCase) {
    EXPECT_TRUE(PressKey(app, key, modifiers));
    HWND dialog = OwnedBox(app.window);
    if (dialog == nullptr) {
        ADD_FAILURE() << "no search dialog";
        return nullptr;
    }
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_GETLIMITTEXT, 0, 0), 33);
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, phrase);
    if ((IsDlgButtonChecked(dialog, IDC_MATCH_CASE) == BST_CHECKED) != matchCase) {
        SendDlgItemMessageW(dialog, IDC_MATCH_CASE, BM_CLICK, 0, 0);
    }
    EXPECT_TRUE(PressKeyIn(app, dialog, VK_RETURN));
    return dialog;
}

// Where pixels of `colour` lie in the text area (of the pixels given, or of
// the window now): how many, and their box.
struct Spot {
    int count = 0;
    RECT box{INT_MAX, INT_MAX, -1, -1};
};

Spot FindColour(const RunningApp& app, uint32_t colour) {
    const WindowParts parts = PartsOf(app);
    const ClientPixels pixels = CaptureClient(app.window);
    Spot spot;
    for (int y = parts.toolbarBottom; y < parts.stripTop; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            if (pixels.At(x, y) != colour) continue;
            ++spot.count;
            spot.box = {std::min<LONG>(spot.box.left, x), std::min<LONG>(spot.box.top, y),
                        std::max<LONG>(spot.box.right, x), std::max<LONG>(spot.box.bottom, y)};
        }
    }
    return spot;
}

// Moves `dialog` off the rows of the main window's date strip, above it or
// else below it: how large the dialog is follows from its face, and the
// strip's pixels are read from the screen.
void MoveOffTheStrip(const RunningApp& app, HWND dialog) {
    const WindowParts parts = PartsOf(app);
    POINT strip[2] = {{0, parts.stripTop}, {0, parts.client.bottom}};
    MapWindowPoints(app.window, nullptr, strip, 2);
    RECT box{};
    GetWindowRect(dialog, &box);
    if (box.bottom <= strip[0].y || box.top >= strip[1].y) return;
    const int height = box.bottom - box.top;
    const int top = strip[0].y >= height ? strip[0].y - height : strip[1].y;
    SetWindowPos(dialog, nullptr, box.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A match is painted: blue text on a yellow ground. The program paints the
// highlight after the day's text and strip, so the screen may show those
// first: it is watched until the highlight comes.
void ExpectHighlight(const RunningApp& app, const char* what) {
    Spot yellow, blue;
    const bool highlighted = WaitFor([&] {
        yellow = FindColour(app, kYellow);
        blue = FindColour(app, kBlue);
        return yellow.count > 0 && blue.count > 0 && blue.box.top >= yellow.box.top &&
               blue.box.top <= yellow.box.bottom;
    });
    EXPECT_GT(yellow.count, 0) << what << ": no highlight";
    EXPECT_TRUE(highlighted) << what << ": no highlighted text";
}

// A block of the program's memory, for a message that answers through a
// pointer.
class ProgramMemory {
public:
    ProgramMemory(const RunningApp& app, size_t size)
        : process_(app.process.hProcess),
          block_(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
          size_(size) {}
    ~ProgramMemory() {
        if (block_ != nullptr) VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
    }
    ProgramMemory(const ProgramMemory&) = delete;
    ProgramMemory& operator=(const ProgramMemory&) = delete;

    char* At() const { return static_cast<char*>(block_); }
    // Sends `message` with the block, holding `data` first, as lParam and
    // reads the block back into `data`.
    bool Send(HWND window, UINT message, WPARAM wParam, void* data) const {
        DWORD_PTR result = 0;
        return block_ != nullptr && WriteProcessMemory(process_, block_, data, size_, nullptr) &&
               SendMessageTimeoutW(window, message, wParam, reinterpret_cast<LPARAM>(block_), SMTO_NORMAL,
                                   kWaitLimitMs, &result) != 0 &&
               ReadProcessMemory(process_, block_, data, size_, nullptr);
    }

private:
    HANDLE process_;
    void* block_;
    size_t size_;
};

// The text of a cell of the program's list view.
std::wstring ListCell(const RunningApp& app, HWND list, int item, int column) {
    struct Cell {
        LVITEMW item;
        wchar_t text[128];
    } cell{};
    const ProgramMemory memory(app, sizeof cell);
    cell.item.iSubItem = column;
    cell.item.cchTextMax = 128;
    cell.item.pszText = reinterpret_cast<wchar_t*>(memory.At() + offsetof(Cell, text));
    return memory.Send(list, LVM_GETITEMTEXTW, item, &cell) ? cell.text : L"";
}

// The middle of an item of the program's list view, on the screen.
POINT ListItemMiddle(const RunningApp& app, HWND list, int item) {
    RECT box{LVIR_LABEL, 0, 0, 0};
    const ProgramMemory memory(app, sizeof box);
    memory.Send(list, LVM_GETITEMRECT, item, &box);
    POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    ClientToScreen(list, &middle);
    return middle;
}

// The middle of a control of the program, on the screen.
POINT MiddleOf(HWND control) {
    RECT box{};
    GetWindowRect(control, &box);
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// Whether the keyboard focus of `dialog`'s thread comes to `control`: keys
// reach the program some time after they are sent.
bool FocusComesTo(HWND dialog, HWND control) {
    return WaitFor([&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus == control;
    });
}

// A narrow window at the left of the screen, and the dialog moved to its
// right, so that the pixels of the one do not show the other.
void PutWindowAtTheLeft() {
    PutSetting(L"Left", 0);
    PutSetting(L"Top", 0);
    PutSetting(L"Width", 420);
    PutSetting(L"Height", 560);
}

void MoveBesideTheWindow(const RunningApp& app, HWND dialog) {
    RECT window{}, box{};
    GetWindowRect(app.window, &window);
    GetWindowRect(dialog, &box);
    // On the screen, where it is wide enough.
    const int left = std::min<int>(window.right, GetSystemMetrics(SM_CXSCREEN) - (box.right - box.left));
    SetWindowPos(dialog, nullptr, left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A picture of the dialog once the program has filled and painted it.
void ShootDialog(RunningApp& app, HWND dialog, const wchar_t* name) {
    EXPECT_TRUE(WaitUntilIdle(app));
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveScreenshot(dialog, name));
}

std::wstring TextOf(HWND control) {
    wchar_t text[64] = {};
    GetWindowTextW(control, text, 64);
    return text;
}

}  // namespace

// 1 Tishrei of a common year: the phrase stands in 30 Adar I, shown on
// 1 Nisan, and in 29 Adar; Search Again goes on from the lesson of the match.
TEST_F(Searching, TheDialogFindsAnotherDayAndSearchAgainStepsOn) {
    RunningApp app = StartOn(0x0701, 5788);
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> firstDay = StripPixels(app);
    ASSERT_TRUE(PressKey(app, VK_F3));
    ASSERT_TRUE(PressKey(app, VK_RETURN));
    EXPECT_EQ(StripPixels(app), firstDay) << "without a phrase F3 and Enter do nothing";
    EXPECT_EQ(FindColour(app, kYellow).count, 0);

    HWND dialog = Search(app, VK_F3, {VK_MENU}, L"Give the king", false);
    EXPECT_TRUE(Closed(dialog)) << "a match closes the dialog";
    EXPECT_TRUE(WaitForChange(app, StripPixels, firstDay));
    ExpectHighlight(app, "the first match");
    EXPECT_TRUE(SaveScreenshot(app.window, L"search_match"));
    const std::vector<uint32_t> nisan = StripPixels(app);

    ASSERT_TRUE(PressKey(app, VK_F3));
    EXPECT_TRUE(WaitForChange(app, StripPixels, nisan)) << "F3 moves on to 29 Adar";
    ExpectHighlight(app, "the match after F3");
    ASSERT_TRUE(PressKey(app, VK_RETURN));
    EXPECT_TRUE(WaitFor([&] { return StripPixels(app) == nisan; })) << "Enter comes round to 1 Nisan again";
    ExpectHighlight(app, "the match after Enter");

    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(AbsoluteFromHebrew({1, 1, 5788})));
    EXPECT_EQ(StoredOr(L"Lesson", 0), 0x0101u);
}

TEST_F(Searching, MatchCaseNotFoundAndTheTitleBoxAndWhatARestartKeeps) {
    RunningApp app = StartOn(0x0302, 5787);
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> sivan2 = StripPixels(app);
    HWND dialog = Search(app, 'W', {VK_CONTROL}, L"lord", false);
    EXPECT_TRUE(Closed(dialog));
    ExpectHighlight(app, "LORD in the lesson shown");
    EXPECT_EQ(StripPixels(app), sivan2) << "without Match Case the lesson shown has the word";

    dialog = Search(app, 'W', {VK_CONTROL}, L"lord", true);
    EXPECT_TRUE(Closed(dialog));
    EXPECT_TRUE(WaitForChange(app, StripPixels, sivan2)) << "with Match Case only 8 Sivan has it";
    const std::vector<uint32_t> sivan8 = StripPixels(app);

    dialog = Search(app, VK_F3, {VK_MENU}, L"xyzzy", true);
    HWND box = OwnedBox(dialog);
    ASSERT_NE(box, nullptr) << "Not Found! is owned by the dialog";
    wchar_t text[32] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 32);
    EXPECT_STREQ(text, L"Not Found!");
    EXPECT_TRUE(PressKeyIn(app, box, VK_RETURN));
    EXPECT_TRUE(Closed(box));
    EXPECT_TRUE(IsWindow(dialog)) << "the dialog stays open";
    DWORD first = 1, last = 0;
    SendDlgItemMessageW(dialog, IDC_SEARCH_PHRASE, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                        reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(first, 0u);
    EXPECT_EQ(last, 5u) << "its whole text selected";
    MoveOffTheStrip(app, dialog);
    EXPECT_TRUE(WaitFor([&] { return StripPixels(app) == sivan8; })) << "the day stays";
    RECT label{}, inside{};
    GetWindowRect(FindWindowExW(dialog, nullptr, L"Static", L"Search"), &label);
    GetClientRect(dialog, &inside);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&inside), 2);
    EXPECT_TRUE(label.left >= inside.left && label.right <= inside.right) << "the label Search is seen";
    EXPECT_TRUE(SaveScreenshot(dialog, L"search_dialog"));

    // On to a feast, whose title the box shows at the bottom of the text.
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, L"Second Day");
    ASSERT_TRUE(PressKeyIn(app, dialog, VK_RETURN));
    EXPECT_TRUE(Closed(dialog));
    ExpectHighlight(app, "the title");
    const Spot red = FindColour(app, kRed);
    const WindowParts parts = PartsOf(app);
    ASSERT_GT(red.count, 0) << "no title box";
    EXPECT_LT(parts.stripTop - red.box.bottom, 20) << "the box stands at the bottom of the text";
    EXPECT_LE(std::abs(red.box.left + red.box.right - parts.client.right), 2) << "centred";
    EXPECT_TRUE(SaveScreenshot(app.window, L"search_title_box"));

    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(DayForLessonKey(0x0702, 5787)));
    EXPECT_NE(StoredOr(L"Flags", 0) & kMatchCase, 0u);

    app = StartApp();
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(PressKey(app, 'W', {VK_CONTROL}));
    dialog = OwnedBox(app.window);
    ASSERT_NE(dialog, nullptr);
    wchar_t kept[40] = {};
    GetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, kept, 40);
    EXPECT_STREQ(kept, L"Second Day");
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_MATCH_CASE), static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(PressKeyIn(app, dialog, VK_ESCAPE));
    EXPECT_TRUE(Closed(dialog)) << "Esc closes the dialog";
    EXPECT_EQ(CloseApp(app), 0u);
}

// From 5 Nisan "psaltery" stands in nine lessons: the last the one shown, the
// first three 4 Iyyar, 25 Sivan and 17 Elul, the next 29 Elul.
TEST_F(Searching, FindAllListsTheLessonsAndAPickShowsItsDayWithTheDialogOpen) {
    PutWindowAtTheLeft();
    RunningApp app = StartOn(0x0105, 5787);
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> nisan5 = StripPixels(app);
    ASSERT_TRUE(PressKey(app, 'W', {VK_CONTROL}));
    HWND dialog = OwnedBox(app.window);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_SEARCH_RESULTS);
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, L"psaltery");
    ASSERT_TRUE(PressKeyIn(app, dialog, 'A', {VK_MENU})) << "Find All by its mnemonic";
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 9; }));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_SEARCH_COUNT)), L"9 matches in 9 lessons");
    EXPECT_TRUE(FocusComesTo(dialog, list)) << "the reader goes on in the list";
    EXPECT_EQ(ListCell(app, list, 2, 0), L"17 Elul, 5787");
    EXPECT_EQ(ListCell(app, list, 2, 2), L"1");
    EXPECT_NE(ListCell(app, list, 2, 3).find(L"\u00ABpsaltery\u00BB"), std::wstring::npos);
    EXPECT_EQ(ListCell(app, list, 3, 4), L"Eve of Rosh Hashanah");
    EXPECT_EQ(ListCell(app, list, 8, 0), L"5 Nisan, 5787") << "the lesson shown last";
    ShootDialog(app, dialog, L"search_find_all");
    MoveBesideTheWindow(app, dialog);
    EXPECT_EQ(StripPixels(app), nisan5) << "the list alone moves nothing";

    // A double-click on the first row, then Enter on the third.
    const POINT first = ListItemMiddle(app, list, 0);
    ASSERT_TRUE(ClickScreen(app, first));
    ASSERT_TRUE(ClickScreen(app, first));
    EXPECT_TRUE(WaitForChange(app, StripPixels, nisan5)) << "the double-click shows 4 Iyyar";
    const std::vector<uint32_t> iyyar4 = StripPixels(app);
    ExpectHighlight(app, "the row double-clicked");
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) ASSERT_TRUE(PressKeyIn(app, dialog, key));
    EXPECT_TRUE(WaitForChange(app, StripPixels, iyyar4)) << "Enter on the third row shows 17 Elul";
    ExpectHighlight(app, "the row picked with Enter");
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open for the next pick";
    const std::vector<uint32_t> elul17 = StripPixels(app);

    // Esc closes it, and Search Again goes on from the match shown.
    ASSERT_TRUE(PressKeyIn(app, dialog, VK_ESCAPE));
    EXPECT_TRUE(Closed(dialog));
    ASSERT_TRUE(PressKey(app, VK_F3));
    EXPECT_TRUE(WaitForChange(app, StripPixels, elul17)) << "F3 moves on to 29 Elul";
    ExpectHighlight(app, "the match after F3");
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(DayForLessonKey(0x061D, 5787)));
    EXPECT_EQ(StoredOr(L"Lesson", 0), 0x061Du);
}

// A phrase found nowhere gives "Not Found!" over the dialog, which stays
// open with its text selected; a common word lists every lesson; the list
// and Find All are reached with Tab; Enter in the phrase's box is Find,
// whatever Find All did before it.
TEST_F(Searching, FindAllLeavesEnterToFindAndTellsOfAPhraseFoundNowhere) {
    PutWindowAtTheLeft();
    RunningApp app = StartOn(0x0302, 5787);
    ASSERT_NE(app.window, nullptr);
    const std::vector<uint32_t> sivan2 = StripPixels(app);
    ASSERT_TRUE(PressKey(app, 'W', {VK_CONTROL}));
    HWND dialog = OwnedBox(app.window);
    ASSERT_NE(dialog, nullptr);
    MoveBesideTheWindow(app, dialog);
    HWND list = GetDlgItem(dialog, IDC_SEARCH_RESULTS);
    HWND phrase = GetDlgItem(dialog, IDC_SEARCH_PHRASE);
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, L"xyzzy");
    const POINT findAll = MiddleOf(GetDlgItem(dialog, IDC_FIND_ALL));
    ASSERT_TRUE(ClickScreen(app, findAll));
    HWND box = OwnedBox(dialog);
    ASSERT_NE(box, nullptr) << "Not Found! is owned by the dialog";
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), L"Not Found!");
    EXPECT_TRUE(PressKeyIn(app, box, VK_RETURN));
    EXPECT_TRUE(Closed(box));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_SEARCH_COUNT)), L"");
    DWORD from = 1, to = 0;
    SendMessageW(phrase, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 5u) << "its whole text selected";

    // A word of every lesson: a row for each entry of the book.
    int entries = 0;
    for (int month = 1; month <= kCommonYearAdar; ++month) entries += RecordsInLessonMonth(month);
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, L"the");
    ASSERT_TRUE(PressKeyIn(app, dialog, 'A', {VK_MENU}));
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == entries; }));
    ShootDialog(app, dialog, L"search_find_all_long");

    // Clicked, Find All takes the focus and hands it to the list.
    SetDlgItemTextW(dialog, IDC_SEARCH_PHRASE, L"second day");
    ASSERT_TRUE(ClickScreen(app, findAll));
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3; }));
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_SEARCH_COUNT)), L"3 matches in 3 lessons");
    const HWND order[] = {GetDlgItem(dialog, IDC_MATCH_CASE), GetDlgItem(dialog, IDC_FIND_ALL), phrase};
    for (HWND expected : order) {
        ASSERT_TRUE(PressKeyIn(app, dialog, VK_TAB, {VK_SHIFT}));
        EXPECT_TRUE(FocusComesTo(dialog, expected));
    }
    for (HWND expected : {GetDlgItem(dialog, IDC_FIND_ALL), GetDlgItem(dialog, IDC_MATCH_CASE), list}) {
        ASSERT_TRUE(PressKeyIn(app, dialog, VK_TAB));
        EXPECT_TRUE(FocusComesTo(dialog, expected)) << "Tab reaches the list";
    }
    EXPECT_EQ(StripPixels(app), sivan2);
    ASSERT_TRUE(ClickScreen(app, MiddleOf(phrase)));
    ASSERT_TRUE(FocusComesTo(dialog, phrase));
    ASSERT_TRUE(PressKeyIn(app, dialog, VK_RETURN));
    EXPECT_TRUE(Closed(dialog)) << "Enter is Find, which closes the dialog on a match";
    ExpectHighlight(app, "the match of Find");
    EXPECT_EQ(CloseApp(app), 0u);
    EXPECT_EQ(StoredOr(L"Day", 0), static_cast<DWORD>(DayForLessonKey(0x0307, 5787)));
}
