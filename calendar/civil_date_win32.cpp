// Civil dates in the user's locale.
#include "calendar/civil_date_win32.h"

SYSTEMTIME CivilTimeOf(AbsoluteDay day) {
    const GregorianDate date = GregorianFromAbsolute(day);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    time.wDayOfWeek = static_cast<WORD>(day % 7);
    return time;
}

int FormatCivilDate(AbsoluteDay day, const wchar_t* format, wchar_t* out, int units) {
    if (units <= 0) return 0;
    out[0] = L'\0';
    if (!IsSupportedDay(day)) return 0;
    const SYSTEMTIME time = CivilTimeOf(day);
    const int written = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, format != nullptr ? 0 : DATE_LONGDATE, &time,
                                        format, out, units, nullptr);
    if (written <= 0) {
        out[0] = L'\0';
        return 0;
    }
    return written - 1;
}
