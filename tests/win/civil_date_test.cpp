// Civil dates written by the system for the user's locale.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "calendar/civil_date_win32.h"

namespace {

std::wstring Written(AbsoluteDay day, const wchar_t* format, int units = 64) {
    wchar_t out[64] = L"junk";
    const int length = FormatCivilDate(day, format, out, units);
    EXPECT_EQ(length, static_cast<int>(std::wstring(out).size()));
    return out;
}

TEST(CivilDate, PicturesLongDatesAndDaysTheSystemCannotWrite) {
    const AbsoluteDay day = AbsoluteFromGregorian({12, 8, 2026});
    EXPECT_EQ(Written(day, L"yyyy'-'MM'-'dd"), L"2026-12-08");
    EXPECT_EQ(Written(AbsoluteFromGregorian({2, 29, 2028}), L"d'/'M"), L"29/2");
    const std::wstring longDate = Written(day, nullptr);
    EXPECT_NE(longDate.find(L"2026"), std::wstring::npos) << "the long date names the year";
    EXPECT_NE(longDate.find(L'8'), std::wstring::npos);
    EXPECT_EQ(Written(AbsoluteFromGregorian({6, 1, 1200}), nullptr), L"") << "before the system's first year";
    EXPECT_EQ(Written(0, nullptr), L"");
    EXPECT_EQ(Written(day, L"yyyy'-'MM'-'dd", 4), L"") << "no room";
}

}  // namespace
