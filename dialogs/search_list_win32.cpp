// The list of Find All's rows.
#include "dialogs/search_list_win32.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "calendar/civil_date_win32.h"
#include "calendar/decimal_text.h"
#include "platform/wide_text_win32.h"
#include "view/text_view.h"

namespace {

// The words around the match come before the title, which most lessons do
// not have, so that they stand in view.
enum Column { kHebrewDate, kCivilDate, kMatches, kContext, kTitle, kColumnCount };

struct ColumnShape {
    const wchar_t* heading;
    int format;
    int dialogUnits;  // width before the list has rows, and the least after
};
constexpr ColumnShape kColumns[kColumnCount] = {
    {L"Hebrew date", LVCFMT_LEFT, 64}, {L"Date", LVCFMT_LEFT, 90},  {L"Matches", LVCFMT_RIGHT, 40},
    {L"Context", LVCFMT_LEFT, 200},    {L"Title", LVCFMT_LEFT, 40},
};

int LeastWidth(HWND list, int column) {
    RECT width{0, 0, kColumns[column].dialogUnits, 0};
    MapDialogRect(GetParent(list), &width);
    return width.right;
}

void SetCell(HWND list, int item, int column, const wchar_t* text) {
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = const_cast<wchar_t*>(text);
    SendMessageW(list, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
}


void AddRow(HWND list, int item, const SearchResult& row) {
    LVITEMW first{};
    first.mask = LVIF_TEXT;
    first.iItem = item;
    first.pszText = const_cast<wchar_t*>(Wide(WidenText(row.caption, kCaptionFieldSize)));
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&first));
    wchar_t civil[80];
    FormatCivilDate(row.day, nullptr, civil, sizeof civil / sizeof civil[0]);
    SetCell(list, item, kCivilDate, civil);
    SetCell(list, item, kTitle, Wide(row.title.c_str()));
    char matches[kMaxDecimalLength + 1];
    *WriteDecimal(static_cast<int32_t>(row.matches), 1, matches) = '\0';
    SetCell(list, item, kMatches, Wide(WidenText(matches, kMaxDecimalLength)));
    SetCell(list, item, kContext, Wide(row.context.c_str()));
}

// As wide as what the column holds, and never narrower than its heading
// needs; the list scrolls to what lies beyond its width.
void SizeColumn(HWND list, int column) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
    const int least = LeastWidth(list, column);
    if (SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0) < least) {
        SendMessageW(list, LVM_SETCOLUMNWIDTH, column, least);
    }
}

}  // namespace

void SetUpResultsList(HWND list) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    for (int i = 0; i < kColumnCount; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.fmt = kColumns[i].format;
        column.cx = LeastWidth(list, i);
        column.pszText = const_cast<wchar_t*>(kColumns[i].heading);
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void FillResultsList(HWND list, const SearchResults& results) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const int count = static_cast<int>(results.rows.size());
    for (int i = 0; i < count; ++i) AddRow(list, i, results.rows[i]);
    if (count > 0) {
        for (int i = 0; i < kColumnCount; ++i) SizeColumn(list, i);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
        SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int SelectedResult(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}
