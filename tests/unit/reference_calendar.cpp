// Yardstick Hebrew conversions; see the header.
#include "tests/unit/reference_calendar.h"

int32_t ReferenceElapsedDays(int32_t year) {
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

int32_t ReferenceDaysInYear(int32_t year) {
    return ReferenceElapsedDays(year + 1) - ReferenceElapsedDays(year);
}

int32_t ReferenceDaysInMonth(int32_t month, int32_t year) {
    if (month == 2 || month == 4 || month == 6 || month == 10 || month == 13) return 29;
    if (month == 12 && (7 * year + 1) % 19 >= 7) return 29;
    if (month == 8 && ReferenceDaysInYear(year) % 10 != 5) return 29;
    if (month == 9 && ReferenceDaysInYear(year) % 10 == 3) return 29;
    return 30;
}

AbsoluteDay ReferenceAbsoluteFromHebrew(HebrewDate date) {
    int32_t sum = date.day;
    if (date.month < 7) {
        const int32_t last = (7 * date.year + 1) % 19 < 7 ? 13 : 12;
        for (int32_t m = 7; m <= last; ++m) sum += ReferenceDaysInMonth(m, date.year);
        for (int32_t m = 1; m < date.month; ++m) sum += ReferenceDaysInMonth(m, date.year);
    } else {
        for (int32_t m = 7; m < date.month; ++m) sum += ReferenceDaysInMonth(m, date.year);
    }
    return sum + ReferenceElapsedDays(date.year) - 1373429;
}

HebrewDate ReferenceHebrewFromAbsolute(AbsoluteDay day, bool mended) {
    static const int32_t firstGuess[13] = {0, 9, 10, 11, 12, 1, 2, 3, 4, 7, 7, 7, 8};
    const GregorianDate civil = GregorianFromAbsolute(day);
    int32_t year = civil.year + 3760;
    while (day >= ReferenceAbsoluteFromHebrew({7, 1, year + 1})) ++year;

    int32_t month = firstGuess[civil.month];
    if (mended && day < ReferenceAbsoluteFromHebrew({month, 1, year})) month = 7;

    const int32_t last = (7 * year + 1) % 19 < 7 ? 13 : 12;
    while (day > ReferenceAbsoluteFromHebrew({month, ReferenceDaysInMonth(month, year), year})) {
        month = month % last + 1;
    }
    return {month, day - ReferenceAbsoluteFromHebrew({month, 1, year}) + 1, year};
}
