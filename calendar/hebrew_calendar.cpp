// Hebrew and Gregorian calendar arithmetic. The molad constants and the
// postponement rules are those of the fixed Hebrew calendar; all divisions
// truncate, and every argument the program passes is positive.
#include "calendar/hebrew_calendar.h"

namespace {

// Offset between the elapsed-day scale and AbsoluteDay.
constexpr int32_t kElapsedToAbsolute = 1373429;

constexpr int32_t kCivilMonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// The Hebrew month to start the month search from, by civil month.
constexpr int32_t kFirstHebrewMonthGuess[13] = {0, 9, 10, 11, 12, 1, 2, 3, 4, 7, 7, 7, 8};

}  // namespace

bool IsSupportedDay(AbsoluteDay day) {
    return day >= kFirstSupportedDay && day <= kLastSupportedDay;
}

bool HebrewLeapYear(int32_t year) {
    // In 64 bits, so that any year a caller hands in (a damaged setting, a
    // caption of an arbitrary date) is answered without overflow.
    return (7 * int64_t{year} + 1) % 19 < 7;
}

int32_t LastMonthOfHebrewYear(int32_t year) {
    return HebrewLeapYear(year) ? 13 : 12;
}

int32_t HebrewElapsedDays(int32_t year) {
    const int32_t cycle = (year - 1) % 19;
    const int32_t cycles = (year - 1) / 19;
    const int32_t monthsElapsed = 235 * cycles + 12 * cycle + (7 * cycle + 1) / 19;
    const int32_t partsElapsed = 204 + 793 * (monthsElapsed % 1080);
    const int32_t hoursElapsed =
        5 + 12 * monthsElapsed + 793 * (monthsElapsed / 1080) + partsElapsed / 1080;
    int32_t day = 1 + 29 * monthsElapsed + hoursElapsed / 24;
    const int32_t parts = 1080 * (hoursElapsed % 24) + partsElapsed % 1080;

    const bool moladAfterNoon = parts >= 19440;
    const bool tuesdayCommonYear = day % 7 == 2 && parts >= 9924 && (7 * year + 1) % 19 >= 7;
    const bool mondayAfterLeapYear = day % 7 == 1 && parts >= 16789 && (7 * year - 6) % 19 < 7;
    if (moladAfterNoon || tuesdayCommonYear || mondayAfterLeapYear) day += 1;

    const int32_t weekday = day % 7;
    if (weekday == 0 || weekday == 3 || weekday == 5) day += 1;
    return day;
}

int32_t DaysInHebrewYear(int32_t year) {
    return HebrewElapsedDays(year + 1) - HebrewElapsedDays(year);
}

bool LongCheshvan(int32_t year) {
    return DaysInHebrewYear(year) % 10 == 5;
}

bool ShortKislev(int32_t year) {
    return DaysInHebrewYear(year) % 10 == 3;
}

int32_t DaysInHebrewMonth(int32_t month, int32_t year) {
    if (month == 2 || month == 4 || month == 6 || month == 10 || month == 13) return 29;
    if (month == 12 && !HebrewLeapYear(year)) return 29;
    if (month == 8 && !LongCheshvan(year)) return 29;
    if (month == 9 && ShortKislev(year)) return 29;
    return 30;
}

AbsoluteDay AbsoluteFromHebrew(HebrewDate date) {
    int32_t sum = date.day;
    if (date.month < 7) {
        const int32_t last = LastMonthOfHebrewYear(date.year);
        for (int32_t m = 7; m <= last; ++m) sum += DaysInHebrewMonth(m, date.year);
        for (int32_t m = 1; m < date.month; ++m) sum += DaysInHebrewMonth(m, date.year);
    } else {
        for (int32_t m = 7; m < date.month; ++m) sum += DaysInHebrewMonth(m, date.year);
    }
    return sum + HebrewElapsedDays(date.year) - kElapsedToAbsolute;
}

HebrewDate HebrewFromAbsolute(AbsoluteDay day) {
    const GregorianDate civil = GregorianFromAbsolute(day);
    int32_t year = civil.year + 3760;
    while (day >= AbsoluteFromHebrew({7, 1, year + 1})) ++year;

    // The civil-month guess assumes the two calendars stay roughly aligned.
    // Far from the present they drift apart and the guess can lie after the
    // day within its Hebrew year; the forward search must then start from
    // the year's first month, Tishrei.
    int32_t month = kFirstHebrewMonthGuess[civil.month];
    if (day < AbsoluteFromHebrew({month, 1, year})) month = 7;

    const int32_t last = LastMonthOfHebrewYear(year);
    while (day > AbsoluteFromHebrew({month, DaysInHebrewMonth(month, year), year})) {
        month = month % last + 1;
    }
    return {month, day - AbsoluteFromHebrew({month, 1, year}) + 1, year};
}

bool GregorianLeapYear(int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int32_t DaysInGregorianMonth(int32_t month, int32_t year) {
    return kCivilMonthDays[GregorianLeapYear(year) ? 1 : 0][month];
}

int32_t DayNumberInYear(GregorianDate date) {
    int32_t n = date.day + 31 * (date.month - 1);
    if (date.month > 2) {
        n -= (4 * date.month + 23) / 10;
        if (GregorianLeapYear(date.year)) n += 1;
    }
    return n;
}

AbsoluteDay AbsoluteFromGregorian(GregorianDate date) {
    const int32_t p = date.year - 1;
    return DayNumberInYear(date) + 365 * p + p / 4 - p / 100 + p / 400;
}

GregorianDate GregorianFromAbsolute(AbsoluteDay absolute) {
    const int32_t d0 = absolute - 1;
    const int32_t c400 = d0 / 146097, d1 = d0 % 146097;
    const int32_t c100 = d1 / 36524, d2 = d1 % 36524;
    const int32_t c4 = d2 / 1461, d3 = d2 % 1461;
    const int32_t c1 = d3 / 365;
    int32_t day = d3 % 365 + 1;
    int32_t year = 400 * c400 + 100 * c100 + 4 * c4 + c1;
    if (c100 == 4 || c1 == 4) return {12, 31, year};

    year += 1;
    int32_t month = 1;
    while (DaysInGregorianMonth(month, year) < day) {
        day -= DaysInGregorianMonth(month, year);
        ++month;
    }
    return {month, day, year};
}
