// YYYY-MM-DD civil dates.
#include "calendar/iso_date.h"

#include "calendar/decimal_text.h"

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

char* WriteIsoDate(GregorianDate date, char* out) {
    out = WriteDecimal(date.year, 4, out);
    *out++ = '-';
    out = WriteDecimal(date.month, 2, out);
    *out++ = '-';
    return WriteDecimal(date.day, 2, out);
}

std::string FormatIsoDate(GregorianDate date) {
    char text[kMaxIsoDateLength];
    return std::string(text, WriteIsoDate(date, text));
}
