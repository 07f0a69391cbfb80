// Today's civil date from the local clock (Windows build).
#include <windows.h>

#include "calendar/hebrew_calendar.h"

GregorianDate TodayGregorian() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return {local.wMonth, local.wDay, local.wYear};
}
