// YYYY-MM-DD civil dates.
#include "calendar/iso_date.h"

#include <cstdio>

namespace {

// Reads `count` decimal digits; false if any of them is not a digit.
bool ReadDigits(const char* text, int count, int* value) {
    *value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        *value = *value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

bool ParseIsoDate(const char* text, GregorianDate* date) {
    int year, month, day;
    if (!ReadDigits(text, 4, &year) || text[4] != '-' || !ReadDigits(text + 5, 2, &month) ||
        text[7] != '-' || !ReadDigits(text + 8, 2, &day) || text[10] != '\0') {
        return false;
    }
    if (year < 1 || month < 1 || month > 12) return false;
    if (day < 1 || day > DaysInGregorianMonth(month, year)) return false;
    *date = {month, day, year};
    return true;
}

std::string FormatIsoDate(GregorianDate date) {
    char text[16];
    std::snprintf(text, sizeof(text), "%04d-%02d-%02d", static_cast<int>(date.year),
                  static_cast<int>(date.month), static_cast<int>(date.day));
    return text;
}
