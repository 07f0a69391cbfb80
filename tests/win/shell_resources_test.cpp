// The shell's resources as Varidel.exe carries them: the menu, the
// accelerators, the toolbar strip and the dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource_ids.h"
#include "tests/win/program_resources.h"

namespace {

using ShellResources = ProgramResourcesTest;

struct Item {
    std::wstring text;  // empty: a separator
    UINT command;
};

std::vector<Item> ItemsOf(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[80] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 80;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        items.push_back({(info.fType & MFT_SEPARATOR) ? L"" : text, info.wID});
    }
    return items;
}

void ExpectItems(HMENU menu, const std::vector<Item>& expected) {
    const std::vector<Item> items = ItemsOf(menu);
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, expected[i].text) << "item " << i;
        if (!expected[i].text.empty()) {
            EXPECT_EQ(items[i].command, expected[i].command) << "item " << i;
        }
    }
}

}  // namespace

TEST_F(ShellResources, TheMenuHasFileGoAndView) {
    HMENU bar = LoadMenuW(Instance(), MAKEINTRESOURCEW(IDM_MAIN_MENU));
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    wchar_t title[20];
    GetMenuStringW(bar, 0, title, 20, MF_BYPOSITION);
    EXPECT_STREQ(title, L"&File");
    GetMenuStringW(bar, 1, title, 20, MF_BYPOSITION);
    EXPECT_STREQ(title, L"&Go");
    ExpectItems(GetSubMenu(bar, 0), {
        {L"&About", CMD_ABOUT},
        {L"Check For &Updates", CMD_CHECK_UPDATES},
        {L"&Calendar\bCtrl+D", CMD_CALENDAR},
        {L"F&ont\bCtrl+F", CMD_FONT},
        {L"&Copy\bCtrl+C", CMD_COPY},
        {L"&Append to ClipBoard\bCtrl+E", CMD_APPEND},
        {L"&Print\bCtrl+P", CMD_PRINT},
        {L"E&xit\bCtrl+Q", CMD_EXIT},
    });
    ExpectItems(GetSubMenu(bar, 1), {
        {L"&Calendar\bCtrl+D", CMD_CALENDAR},
        {L"Go to &Date\u2026\bCtrl+G", CMD_GOTO_DATE},
        {L"", 0},
        {L"&Today\bCtrl+Home", CMD_TODAY},
        {L"&Previous day", CMD_PREVIOUS_DAY},
        {L"&Next day", CMD_NEXT_DAY},
        {L"", 0},
        {L"&Search\bAlt+F3", CMD_SEARCH},
        {L"Search A&gain\bF3", CMD_SEARCH_AGAIN},
    });
    GetMenuStringW(bar, 2, title, 20, MF_BYPOSITION);
    EXPECT_STREQ(title, L"&View");
    ExpectItems(GetSubMenu(bar, 2), {
        {L"Follow &Windows", CMD_THEME_FOLLOW},
        {L"&Light", CMD_THEME_LIGHT},
        {L"&Dark", CMD_THEME_DARK},
        {L"", 0},
        {L"Zoom &In\bCtrl+Plus", CMD_ZOOM_IN},
        {L"Zoom &Out\bCtrl+Minus", CMD_ZOOM_OUT},
        {L"&Actual Size\bCtrl+0", CMD_ZOOM_RESET},
    });
    DestroyMenu(bar);
}

TEST_F(ShellResources, EveryShortcutTheMenuPromisesIsAnAccelerator) {
    HACCEL table = LoadAcceleratorsW(Instance(), MAKEINTRESOURCEW(IDA_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> entries(CopyAcceleratorTableW(table, nullptr, 0));
    CopyAcceleratorTableW(table, entries.data(), static_cast<int>(entries.size()));
    const BYTE plain = FVIRTKEY | FNOINVERT;
    const std::vector<ACCEL> expected = {
        {plain | FCONTROL, 'F', CMD_FONT},        {plain | FALT, VK_F3, CMD_SEARCH},
        {plain, VK_F3, CMD_SEARCH_AGAIN},         {plain | FCONTROL, 'P', CMD_PRINT},
        {plain | FCONTROL, 'C', CMD_COPY},        {plain | FCONTROL, 'E', CMD_APPEND},
        {plain | FCONTROL, 'D', CMD_CALENDAR},    {plain | FCONTROL, 'G', CMD_GOTO_DATE},
        {plain | FCONTROL, VK_HOME, CMD_TODAY},
        {plain | FCONTROL, 'T', CMD_TODAY},       {plain | FCONTROL, 'N', CMD_NEXT_DAY},
        {plain | FCONTROL, 'W', CMD_SEARCH},      {plain | FCONTROL, 'A', CMD_SEARCH_AGAIN},
        {plain | FCONTROL, VK_OEM_PLUS, CMD_ZOOM_IN},
        {plain | FCONTROL | FSHIFT, VK_OEM_PLUS, CMD_ZOOM_IN},
        {plain | FCONTROL, VK_ADD, CMD_ZOOM_IN},  {plain | FCONTROL, VK_OEM_MINUS, CMD_ZOOM_OUT},
        {plain | FCONTROL, VK_SUBTRACT, CMD_ZOOM_OUT},
        {plain | FCONTROL, '0', CMD_ZOOM_RESET}, {plain | FCONTROL, VK_NUMPAD0, CMD_ZOOM_RESET},
        {plain | FCONTROL, 'Q', CMD_EXIT},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].fVirt & ~0x80, expected[i].fVirt) << "entry " << i;  // 0x80 ends the table
        EXPECT_EQ(entries[i].key, expected[i].key) << "entry " << i;
        EXPECT_EQ(entries[i].cmd, expected[i].cmd) << "entry " << i;
    }
    DestroyAcceleratorTable(table);
}

// The strip at 16 pixels, and drawn again at 24 and 32 for larger scales.
TEST_F(ShellResources, TheToolbarStripsHoldSixSixteenColourImagesAtEachSize) {
    const struct {
        int id, size;
    } strips[] = {{IDB_TOOLBAR, 16}, {IDB_TOOLBAR_24, 24}, {IDB_TOOLBAR_32, 32}};
    for (const auto& s : strips) {
        HBITMAP strip = static_cast<HBITMAP>(
            LoadImageW(Instance(), MAKEINTRESOURCEW(s.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(strip, nullptr) << s.size;
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(strip, sizeof(section), &section), static_cast<int>(sizeof(section)));
        EXPECT_EQ(section.dsBm.bmWidth, 6 * s.size);
        EXPECT_EQ(section.dsBm.bmHeight, s.size);
        EXPECT_EQ(section.dsBmih.biBitCount, 4);
        // The corners are the button-face grey the toolbar maps to the user's colour.
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, strip);
        for (int image = 0; image < 6; ++image) {
            EXPECT_EQ(GetPixel(dc, image * s.size + s.size - 1, s.size - 1), RGB(192, 192, 192))
                << s.size << " image " << image;
        }
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(strip);
    }
}

TEST_F(ShellResources, TheCalendarIsAnEmptyDialogItDrawsItself) {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(IDD_CALENDAR), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    const auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module_, found)));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                                DS_CENTER | DS_SETFONT));
    EXPECT_EQ(dialog->cdit, 0);
    // Wider and taller than the grid alone needs: each cell holds the civil
    // day too, and the year line the civil months.
    EXPECT_EQ(dialog->cx, 260);
    EXPECT_EQ(dialog->cy, 180);
    // No menu, the standard class, then the caption, the point size and the face.
    const auto* words = reinterpret_cast<const WORD*>(dialog + 1);
    EXPECT_EQ(words[0], 0);
    EXPECT_EQ(words[1], 0);
    const auto* caption = reinterpret_cast<const wchar_t*>(words + 2);
    EXPECT_STREQ(caption, L"Hebrew Calendar");
    const auto* font = reinterpret_cast<const WORD*>(caption + wcslen(caption) + 1);
    EXPECT_EQ(font[0], 8);
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(font + 1), L"System");
}
