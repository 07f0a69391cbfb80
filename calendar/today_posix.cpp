// Today's civil date from the C library's local time (native build, and the
// book tool wherever it is built).
//
// VARIDEL_TODAY=YYYY-MM-DD, when set to a real date, stands in for the clock:
// tests that compare two readings of "today" set it so that a run across
// midnight still sees one date. It is read once, at the first call; any other
// value is ignored and the clock counts.
#include <cstdlib>
#include <ctime>

#include "calendar/hebrew_calendar.h"
#include "calendar/iso_date.h"

namespace {

struct TodayOverride {
    bool set;
    GregorianDate date;
};

TodayOverride ReadTodayOverride() {
    TodayOverride result{false, {}};
    const char* text = std::getenv("VARIDEL_TODAY");
    if (text != nullptr) result.set = ParseIsoDate(text, &result.date);
    return result;
}

}  // namespace

GregorianDate TodayGregorian() {
    static const TodayOverride fixed = ReadTodayOverride();
    if (fixed.set) return fixed.date;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);  // the same call by its Windows name, arguments swapped
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}
