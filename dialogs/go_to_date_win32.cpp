// The "Go to Date" dialog.
#include "dialogs/go_to_date_win32.h"

#include <commctrl.h>

#include "calendar/civil_date_win32.h"
#include "calendar/date_caption.h"
#include "resource_ids.h"

namespace {

// The picker's first day: it writes no day before the system's first year.
constexpr GregorianDate kFirstPickerDate = {1, 1, 1601};

AbsoluteDay DayOf(const SYSTEMTIME& time) { return AbsoluteFromGregorian({time.wMonth, time.wDay, time.wYear}); }

AbsoluteDay PickedDay(HWND dialog) {
    SYSTEMTIME time{};
    if (SendDlgItemMessageW(dialog, IDC_GOTO_PICKER, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) !=
        GDT_VALID) {
        return 0;
    }
    return DayOf(time);
}

// The Hebrew date of the day picked, under the picker.
void ShowHebrewDate(HWND dialog) {
    char caption[kCaptionFieldSize] = {};
    const AbsoluteDay day = PickedDay(dialog);
    const int32_t length = IsSupportedDay(day) ? FormatHebrewDateCaption(HebrewFromAbsolute(day), caption) : 0;
    wchar_t text[kCaptionFieldSize] = {};
    for (int32_t i = 0; i < length; ++i) text[i] = static_cast<unsigned char>(caption[i]);
    SetDlgItemTextW(dialog, IDC_GOTO_HEBREW, text);
}

void OnInitDialog(HWND dialog, AbsoluteDay* day) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(day));
    HWND picker = GetDlgItem(dialog, IDC_GOTO_PICKER);
    const AbsoluteDay first = AbsoluteFromGregorian(kFirstPickerDate);
    SYSTEMTIME range[2] = {CivilTimeOf(first), CivilTimeOf(kLastSupportedDay)};
    SendMessageW(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    SYSTEMTIME shown = CivilTimeOf(*day < first ? first : *day);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
    ShowHebrewDate(dialog);
}

void OnOk(HWND dialog) {
    const AbsoluteDay picked = PickedDay(dialog);
    if (IsSupportedDay(picked)) *reinterpret_cast<AbsoluteDay*>(GetWindowLongPtrW(dialog, DWLP_USER)) = picked;
    EndDialog(dialog, IDOK);
}

}  // namespace

INT_PTR CALLBACK GoToDateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(dialog, reinterpret_cast<AbsoluteDay*>(lParam)); return TRUE;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->code == DTN_DATETIMECHANGE) ShowHebrewDate(dialog);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: OnOk(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        }
        break;
    }
    return FALSE;
}
