// Date captions for the caption strip.
#include "calendar/date_caption.h"

#include <cstring>

#include "calendar/decimal_text.h"

namespace {

// Months 1..11, the Adar of a common year, then Adar I and Adar II of a leap
// year.
constexpr const char* kMonthNames[] = {
    nullptr, "Nisan",  "Iyyar",    "Sivan",  "Tamuz", "Av",     "Elul",   "Tishrei",
    "Cheshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar I", "Adar II",
};
constexpr int32_t kLeapAdarOffset = 1;  // from month 12 or 13 to its leap-year name

}  // namespace

const char* MonthName(int32_t month, bool leapYear) {
    if (month < 1 || month > (leapYear ? 13 : 12)) return nullptr;
    return kMonthNames[leapYear && month >= 12 ? month + kLeapAdarOffset : month];
}

const char* HebrewMonthName(int32_t month, int32_t year) { return MonthName(month, HebrewLeapYear(year)); }

int32_t FormatHebrewDateCaption(HebrewDate date, char* field) {
    const char* name = HebrewMonthName(date.month, date.year);
    if (name == nullptr) return 0;
    // A day of two digits and a year of five at most fit the field: the
    // widest, "30 Cheshvan, 13760", has 18 characters. Any other caption is
    // formed aside and cut to the field (its length is that of the cut).
    const bool fits = date.day >= 0 && date.day < 100 && date.year >= 0 && date.year < 100000;
    char aside[2 * kMaxDecimalLength + 16];  // two numbers, a name of 8 letters, 3 separators
    char* const text = fits ? field : aside;
    char* end = WriteDecimal(date.day, 1, text);
    *end++ = ' ';
    end = WriteText(name, end);
    *end++ = ',';
    *end++ = ' ';
    end = WriteDecimal(date.year, 1, end);
    const size_t written = static_cast<size_t>(end - text);
    const size_t kept = written < kCaptionFieldSize ? written : kCaptionFieldSize - 1;
    if (!fits) std::memcpy(field, text, kept);
    field[kept] = '\0';
    return static_cast<int32_t>(kept);
}
