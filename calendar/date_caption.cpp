// Date captions for the caption strip.
#include "calendar/date_caption.h"

#include <cstdio>

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
    // The widest supported caption, "30 Cheshvan, 13760", has 18 characters;
    // anything longer is cut to the field and counted as written.
    const int written = std::snprintf(field, kCaptionFieldSize, "%d %s, %d",
                                      static_cast<int>(date.day), name,
                                      static_cast<int>(date.year));
    if (written < 0) return 0;
    return written < static_cast<int>(kCaptionFieldSize) ? written
                                                         : static_cast<int>(kCaptionFieldSize) - 1;
}
