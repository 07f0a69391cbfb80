// Today's civil date from the C library's local time (native build).
#include <ctime>

#include "calendar/hebrew_calendar.h"

GregorianDate TodayGregorian() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}
