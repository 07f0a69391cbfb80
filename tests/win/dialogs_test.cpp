// The font chooser and the About box as Varidel.exe carries them, run in
// this process and worked from a second thread: the lists the font chooser
// offers for the stored font, what OK and Cancel leave in the settings, the
// About box's link and the link font's end.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "dialogs/about_box_win32.h"
#include "dialogs/font_chooser_win32.h"
#include "resource_ids.h"
#include "resources/publisher.h"
#include "tests/win/program_resources.h"
#include "view/font_settings.h"

namespace {

class Dialogs : public ProgramResourcesTest {
protected:
    // Runs dialog `id` modally here while `work` handles it from another
    // thread once it is shown; `work` must end it. The dialog's result, or
    // -2 when it never appeared.
    INT_PTR Run(int id, DLGPROC procedure, LPARAM parameter, const wchar_t* caption,
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
        const INT_PTR result = DialogBoxParamW(Instance(), MAKEINTRESOURCEW(id), nullptr, procedure, parameter);
        worker.join();
        return worked ? result : -2;
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

TEST_F(Dialogs, TheAboutLinkIsTheAddressInBoldUnderlineSizedToItsTextUnderTheHand) {
    HFONT linkFont = nullptr;
    LOGFONTW look{};
    RECT box{};
    SIZE extent{};
    std::wstring text(100, L'\0');
    bool handOverLink = false;
    bool arrowBelow = false;
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
    EXPECT_EQ(GetObjectType(linkFont), 0u) << "the link font outlives the box";
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
