// Date captions for the caption strip.
#include "calendar/date_caption.h"

#include <cstdio>

namespace {

constexpr const char* kCommonYearMonths[13] = {
    nullptr, "Nisan",  "Iyyar",    "Sivan",  "Tamuz", "Av",     "Elul",
    "Tishrei", "Cheshvan", "Kislev", "Tevet", "Shevat", "Adar",
};

constexpr const char* kLeapYearMonths[14] = {
    nullptr, "Nisan",  "Iyyar",    "Sivan",  "Tamuz", "Av",     "Elul",
    "Tishrei", "Cheshvan", "Kislev", "Tevet", "Shevat", "Adar I", "Adar II",
};

}  // namespace

const char* HebrewMonthName(int32_t month, int32_t year) {
    const bool leap = HebrewLeapYear(year);
    if (month < 1 || month > (leap ? 13 : 12)) return nullptr;
    return leap ? kLeapYearMonths[month] : kCommonYearMonths[month];
}

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
