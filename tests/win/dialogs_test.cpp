// The dialogs as Varidel.exe carries them, run in this process and worked
// from a second thread: the lists the font chooser offers for the stored
// font, what OK and Cancel leave in the settings, the About box's link and
// the link font's end, F1 in the About box, and the GDI objects every dialog
// gives back when it closes.
#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "app/main_window_win32.h"
#include "calendar/hebrew_calendar.h"
#include "dialogs/about_box_win32.h"
#include "dialogs/calendar_dialog_win32.h"
#include "dialogs/calendar_view.h"
#include "dialogs/font_chooser_win32.h"
#include "dialogs/search_win32.h"
#include "resource_ids.h"
#include "resources/publisher.h"
#include "tests/pixel_canvas_win32.h"
#include "tests/win/program_resources.h"
#include "view/font_settings.h"

namespace {

class Dialogs : public ProgramResourcesTest {
protected:
    // Runs `open`, which opens a dialog modally here, while `work` handles the
    // dialog with `caption` from another thread once it is shown; `work` must
    // end it. What `open` returned, or -2 when the dialog never appeared.
    static INT_PTR Run(const wchar_t* caption, const std::function<INT_PTR()>& open,
                       const std::function<void(HWND)>& work) {
        std::atomic<bool> worked{false};
        std::thread worker([&] {
            for (int tries = 0; tries < 2000; ++tries) {
                HWND dialog = FindWindowW(L"#32770", caption);
                if (dialog != nullptr && IsWindowVisible(dialog)) {
                    work(dialog);
                    worked = true;
                    return;
                }
                Sleep(10);
            }
        });
        const INT_PTR result = open();
        worker.join();
        return worked ? result : -2;
    }
    // Dialog `id` run with `procedure` and `parameter`, without an owner.
    static INT_PTR Run(int id, DLGPROC procedure, LPARAM parameter, const wchar_t* caption,
                       const std::function<void(HWND)>& work) {
        return Run(caption,
                   [&] { return DialogBoxParamW(Instance(), MAKEINTRESOURCEW(id), nullptr, procedure, parameter); },
                   work);
    }
};

std::wstring ItemText(HWND list, LRESULT index) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    return text;
}

std::vector<std::wstring> Items(HWND list) {
    std::vector<std::wstring> items;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) items.push_back(ItemText(list, i));
    return items;
}

// What the font chooser showed when it opened.
struct FontDialogSeen {
    std::vector<std::wstring> faces;
    std::vector<std::wstring> sizes;
    std::wstring selectedFace;  // empty: none
    std::wstring selectedSize;
    std::wstring sample;
};

FontDialogSeen Look(HWND dialog) {
    FontDialogSeen seen;
    HWND faces = GetDlgItem(dialog, IDC_FACE_LIST);
    HWND sizes = GetDlgItem(dialog, IDC_SIZE_LIST);
    seen.faces = Items(faces);
    seen.sizes = Items(sizes);
    const LRESULT face = SendMessageW(faces, LB_GETCURSEL, 0, 0);
    if (face >= 0) seen.selectedFace = ItemText(faces, face);
    const LRESULT size = SendMessageW(sizes, LB_GETCURSEL, 0, 0);
    if (size >= 0) seen.selectedSize = ItemText(sizes, size);
    wchar_t sample[64] = {};
    GetDlgItemTextW(dialog, IDC_FONT_SAMPLE, sample, 64);
    seen.sample = sample;
    return seen;
}

// Selects item `index` of list `id` as a click would, with its notification.
void Choose(HWND dialog, int id, LRESULT index) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, LB_SETCURSEL, index, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void Press(HWND dialog, int button) { PostMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

TEST_F(Dialogs, TheFontChooserOffersTheStoredSizeAndKeepsAnUnmatchedFace) {
    FontSettings font{u"No Face Begins So", 13, 0};
    FontDialogSeen seen;
    const INT_PTR result = Run(IDD_FONT, FontDialogProc, reinterpret_cast<LPARAM>(&font), L"Choose Font",
                               [&](HWND dialog) {
                                   seen = Look(dialog);
                                   Press(dialog, IDOK);
                               });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.sizes, (std::vector<std::wstring>{L"10", L"11", L"12", L"13", L"14", L"16", L"18", L"20", L"22",
                                                     L"24", L"26", L"28", L"32", L"52", L"72"}));
    EXPECT_EQ(seen.selectedSize, L"13");
    EXPECT_EQ(seen.selectedFace, L"");
    EXPECT_EQ(seen.sample, L"abcdefghijklmnopqrstuvwxyz");
    ASSERT_FALSE(seen.faces.empty()) << "the system offers no face at all";
    EXPECT_EQ(std::u16string(font.FontName), u"No Face Begins So");
    EXPECT_EQ(font.FontSize, 13);
    EXPECT_EQ(font.FontAsciiBase, 97);
}

// The faces are whatever this machine has: the test picks among them.
TEST_F(Dialogs, OkTakesTheChoiceAndCancelLeavesTheSettings) {
    FontSettings font{u"", 0, 65};
    FontDialogSeen seen;
    EXPECT_EQ(Run(IDD_FONT, FontDialogProc, reinterpret_cast<LPARAM>(&font), L"Choose Font",
                  [&](HWND dialog) {
                      seen = Look(dialog);
                      Press(dialog, IDOK);
                  }),
              IDOK);
    ASSERT_FALSE(seen.faces.empty());
    EXPECT_EQ(seen.selectedFace, L"") << "an empty stored name selects no face";
    EXPECT_EQ(seen.selectedSize, L"");
    EXPECT_EQ(seen.sample, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(font.FontName[0], 0);
    EXPECT_EQ(font.FontSize, 0);

    const LRESULT last = static_cast<LRESULT>(seen.faces.size()) - 1;
    const std::wstring lastFace = seen.faces.back();
    const FontSettings before{u"", 0, 65};
    for (const int button : {IDCANCEL, IDOK}) {
        font = before;
        EXPECT_EQ(Run(IDD_FONT, FontDialogProc, reinterpret_cast<LPARAM>(&font), L"Choose Font",
                      [&](HWND dialog) {
                          Choose(dialog, IDC_FACE_LIST, last);
                          Choose(dialog, IDC_SIZE_LIST, 4);  // 16
                          Press(dialog, button);
                      }),
                  button);
        if (button == IDCANCEL) {
            EXPECT_EQ(std::u16string(font.FontName), u"");
            EXPECT_EQ(font.FontSize, 0);
        } else {
            EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(font.FontName)), lastFace);
            EXPECT_EQ(font.FontSize, 16);
        }
        EXPECT_EQ(font.FontAsciiBase, 65);
    }

    // The stored face, in other case, is selected at the next opening.
    std::u16string upper(reinterpret_cast<const char16_t*>(lastFace.c_str()));
    for (char16_t& unit : upper) {
        if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - 0x20);
    }
    font = FontSettings{};
    upper.copy(font.FontName, kFontNameUnits - 1);
    Run(IDD_FONT, FontDialogProc, reinterpret_cast<LPARAM>(&font), L"Choose Font", [&](HWND dialog) {
        seen = Look(dialog);
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(_wcsicmp(seen.selectedFace.c_str(), lastFace.c_str()), 0) << "selected: " << seen.selectedFace.size();
}

// Moves the pointer through the mouse to a point of the screen, and a pixel
// to the right and back while it waits, until it shows the system cursor
// `id`: a move that wine drops or that changes nothing is made again.
bool PointerShows(POINT at, const wchar_t* id) {
    HCURSOR expected = LoadCursorW(nullptr, id);
    for (int tries = 0; tries < 500; ++tries) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(at.x + tries % 2, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
        input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
        Sleep(20);
        CURSORINFO info{};
        info.cbSize = sizeof info;
        if (GetCursorInfo(&info) && info.hCursor == expected) return true;
    }
    return false;
}

// What the link drew into a context of the test's (white, with the text
// colour and an opaque red background of its own) when it was asked to, and
// the state in which it handed the context back.
constexpr COLORREF kCallersText = RGB(10, 20, 30);

struct LinkDrawing {
    int linkPixels = 0;        // in the link's blue
    int backgroundPixels = 0;  // in the context's background colour
    COLORREF textColour = CLR_INVALID;
    int backgroundMode = 0;
};

LinkDrawing DrawLinkInto(HWND dialog, HWND link) {
    RECT box{};
    GetClientRect(link, &box);
    void* bits = nullptr;
    HBITMAP canvas = PixelCanvas(nullptr, box.right, box.bottom, &bits);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, canvas);
    PatBlt(dc, 0, 0, box.right, box.bottom, WHITENESS);
    SetTextColor(dc, kCallersText);
    SetBkColor(dc, RGB(255, 0, 0));
    SetBkMode(dc, OPAQUE);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_ABOUT_LINK;
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = link;
    item.hDC = dc;
    item.rcItem = box;
    SendMessageW(dialog, WM_DRAWITEM, IDC_ABOUT_LINK, reinterpret_cast<LPARAM>(&item));
    GdiFlush();
    LinkDrawing drawn;
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (LONG i = 0; i < box.right * box.bottom; ++i) {
        const uint32_t rgb = pixels[i] & 0xFFFFFF;
        drawn.linkPixels += rgb == 0x0000FF ? 1 : 0;
        drawn.backgroundPixels += rgb == 0xFF0000 ? 1 : 0;
    }
    drawn.textColour = GetTextColor(dc);
    drawn.backgroundMode = GetBkMode(dc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(canvas);
    return drawn;
}

TEST_F(Dialogs, TheAboutLinkIsTheAddressInBlueBoldUnderlineSizedToItsTextUnderTheHand) {
    HFONT linkFont = nullptr;
    LOGFONTW look{};
    RECT box{};
    SIZE extent{};
    std::wstring text(100, L'\0');
    bool handOverLink = false;
    bool arrowBelow = false;
    LinkDrawing drawn;
    const INT_PTR result = Run(IDD_ABOUT, AboutDialogProc, 0, L"Varidel", [&](HWND dialog) {
        HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
        text.resize(static_cast<size_t>(GetWindowTextW(link, &text[0], 100)));
        linkFont = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
        GetObjectW(linkFont, sizeof look, &look);
        GetClientRect(link, &box);
        HDC dc = GetDC(link);
        HGDIOBJ previous = SelectObject(dc, linkFont);
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(link, dc);
        RECT onScreen{};
        GetWindowRect(link, &onScreen);
        handOverLink = PointerShows(POINT{(onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2},
                                    IDC_HAND);
        arrowBelow = PointerShows(POINT{onScreen.left + 2, onScreen.bottom + 12}, IDC_ARROW);
        drawn = DrawLinkInto(dialog, link);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);  // as Esc and the close box send it
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(text, L"" VARIDEL_PUBLISHER_HOST);
    EXPECT_TRUE(look.lfUnderline);
    EXPECT_EQ(look.lfWeight, 800);
    EXPECT_EQ(box.right, extent.cx + 2 * GetSystemMetrics(SM_CXEDGE));
    EXPECT_EQ(box.bottom, extent.cy + 2 * GetSystemMetrics(SM_CYEDGE));
    EXPECT_TRUE(handOverLink);
    EXPECT_TRUE(arrowBelow);
    EXPECT_GT(drawn.linkPixels, 0) << "no text in the link's blue";
    EXPECT_EQ(drawn.backgroundPixels, 0) << "the text's background was filled";
    EXPECT_EQ(drawn.textColour, kCallersText) << "the context's text colour was left changed";
    EXPECT_EQ(drawn.backgroundMode, OPAQUE) << "the context's background mode was left changed";
    EXPECT_EQ(GetObjectType(linkFont), 0u) << "the link font outlives the box";
}

// The main window's answer to F1 (the program's own), in a window of the
// test's, and how many times it has answered.
std::atomic<int> g_helpAnswered{0};

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_HELP) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = MainWindowProc(window, message, wParam, lParam);
    ++g_helpAnswered;
    return result;
}

// The About boxes open in this process.
std::vector<HWND> AboutBoxes() {
    std::vector<HWND> boxes;
    for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", L"Varidel"); box != nullptr;
         box = FindWindowExW(nullptr, box, L"#32770", L"Varidel")) {
        if (GetDlgItem(box, IDC_ABOUT_LINK) != nullptr) boxes.push_back(box);
    }
    return boxes;
}

// F1 on the keyboard in `box`, pressed again while wine drops it, until the
// main window has answered more than `answered` times or a second box has
// opened.
void PressF1In(HWND box, int answered) {
    for (int tries = 0; tries < 2000; ++tries) {
        if (tries % 50 == 0) {
            SetForegroundWindow(box);
            INPUT keys[2] = {};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof keys[0]);
        }
        if (g_helpAnswered > answered || AboutBoxes().size() > 1) return;
        Sleep(10);
    }
}

// This process's environment block, or null.
const uint8_t* EnvironmentBlock() {
    using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return nullptr;
    }
    return reinterpret_cast<const uint8_t*>(basic.PebBaseAddress);
}

// The GDI objects this process holds, as the system counts them; where it
// does not (wine), the entries in use in the process's GDI handle table, to
// which its environment block points (the x64 layout: the table's address
// at 0xF8, 65,536 entries of 24 bytes, each with its type at 14).
size_t GdiObjects() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
    constexpr size_t kTableAt = 0xF8, kEntries = 65536, kEntryBytes = 24, kTypeAt = 14;
    const uint8_t* environment = EnvironmentBlock();
    if (environment == nullptr) return 0;
    const uint8_t* table = *reinterpret_cast<const uint8_t* const*>(environment + kTableAt);
    if (table == nullptr) return 0;
    size_t inUse = 0;
    for (size_t i = 0; i < kEntries; ++i) inUse += table[i * kEntryBytes + kTypeAt] != 0 ? 1 : 0;
    return inUse;
}

constexpr int kRounds = 20;

// Wine keeps every device context that GetDC made: for its window while the
// window lives, for any window after. It makes another only when none is
// free, and a main window that stays open takes a few for itself over the
// first rounds, how many and when depending on how its painting meets the
// box's. Free ones made beforehand leave the count to the About box (whose
// own contexts are counted above, without a main window).
void MakeFreeDeviceContexts() {
    HWND scratch = CreateWindowExW(0, L"Static", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    std::vector<HDC> held;
    for (int i = 0; i < 32; ++i) held.push_back(GetDC(scratch));
    for (HDC dc : held) ReleaseDC(scratch, dc);
    DestroyWindow(scratch);
}

// The first opening of a dialog may leave objects that the system keeps for
// the next: every count starts after one.
TEST_F(Dialogs, EveryDialogGivesBackItsGdiObjectsWhenItCloses) {
    const size_t empty = GdiObjects();
    LOGFONTW look{};
    look.lfHeight = 20;
    HFONT font = CreateFontIndirectW(&look);
    EXPECT_EQ(GdiObjects(), empty + 1) << "the count does not follow a new font";
    DeleteObject(font);
    ASSERT_EQ(GdiObjects(), empty) << "the count does not follow a deleted font";

    FontSettings settings{u"", 12, 0};
    CalendarView calendar{};
    SetCalendarView(&calendar, AbsoluteFromGregorian({3, 20, 2027}), true);
    SearchDialogRequest search{"", false, [](const char*, bool) {}, [](HWND) { return 0; }, nullptr, nullptr};
    const struct {
        int id;
        DLGPROC procedure;
        LPARAM parameter;
        const wchar_t* caption;
    } dialogs[] = {
        {IDD_ABOUT, AboutDialogProc, 0, L"Varidel"},
        {IDD_FONT, FontDialogProc, reinterpret_cast<LPARAM>(&settings), L"Choose Font"},
        {IDD_CALENDAR, CalendarDialogProc, reinterpret_cast<LPARAM>(&calendar), L"Hebrew Calendar"},
        {IDD_SEARCH, SearchDialogProc, reinterpret_cast<LPARAM>(&search), L"Varidel"},
    };
    for (const auto& dialog : dialogs) {
        const auto openAndCancel = [&] {
            return Run(dialog.id, dialog.procedure, dialog.parameter, dialog.caption, [](HWND shown) {
                UpdateWindow(shown);  // painted, with its controls
                PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
            });
        };
        ASSERT_EQ(openAndCancel(), IDCANCEL) << "dialog " << dialog.id;
        const size_t before = GdiObjects();
        for (int round = 0; round < kRounds; ++round) ASSERT_EQ(openAndCancel(), IDCANCEL) << "dialog " << dialog.id;
        EXPECT_EQ(GdiObjects(), before) << "dialog " << dialog.id << " after " << kRounds << " openings";
    }
}

// F1 in the box reaches the main window, as F1 in any dialog of the
// program does; the box already open is the answer.
TEST_F(Dialogs, F1InTheAboutBoxOpensNoSecondBoxAndLeavesNothingBehind) {
    RegisterTestWindowClass(L"HelpWindowTest", HelpWindowProc);
    HWND mainWindow = CreateWindowExW(0, L"HelpWindowTest", L"Varidel", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                      200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(mainWindow, nullptr);
    MakeFreeDeviceContexts();
    g_app.instance = Instance();
    // F1 in the main window, then in the box it opened.
    const auto pressF1Twice = [&] {
        size_t boxes = 0;
        const int answered = g_helpAnswered;
        const INT_PTR opened = Run(
            L"Varidel",
            [&] {
                HELPINFO help{};
                help.cbSize = sizeof help;
                return SendMessageW(mainWindow, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
            },
            [&](HWND box) {
                PressF1In(box, answered);
                const std::vector<HWND> open = AboutBoxes();
                boxes = open.size();
                for (HWND each : open) PostMessageW(each, WM_COMMAND, IDCANCEL, 0);
            });
        EXPECT_NE(opened, -2) << "F1 in the main window opened no About box";
        EXPECT_EQ(g_helpAnswered, answered + 2) << "F1 in the box never reached the main window";
        return boxes;
    };
    EXPECT_EQ(pressF1Twice(), 1u);
    const size_t before = GdiObjects();
    for (int round = 0; round < kRounds; ++round) ASSERT_EQ(pressF1Twice(), 1u) << "round " << round;
    EXPECT_EQ(GdiObjects(), before) << "after " << kRounds << " rounds";
    DestroyWindow(mainWindow);
}

}  // namespace

namespace {

// 65 x 72 pixels, and the same drawing at 150 and 200 percent.
TEST_F(Dialogs, TheAboutPictureIsBlackAndWhite65By72AtEachScale) {
    const struct {
        int id, width, height;
    } pictures[] = {{IDB_ABOUT, 65, 72}, {IDB_ABOUT_150, 98, 108}, {IDB_ABOUT_200, 130, 144}};
    for (const auto& p : pictures) {
        HBITMAP picture = static_cast<HBITMAP>(
            LoadImageW(Instance(), MAKEINTRESOURCEW(p.id), IMAGE_BITMAP, 0, 0,
                       LR_CREATEDIBSECTION));
        ASSERT_NE(picture, nullptr) << p.id;
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(picture, sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmWidth, p.width);
        EXPECT_EQ(section.dsBm.bmHeight, p.height);
        EXPECT_EQ(section.dsBmih.biBitCount, 1);
        DeleteObject(picture);
    }
}

}  // namespace
