// Hebrew calendar arithmetic: conversions between civil (Gregorian) dates,
// Hebrew dates and a running day number, and the leap-year, year-length and
// month-length questions the rest of the reader asks.
//
// The Hebrew side is the fixed arithmetic calendar: the mean conjunction of
// Tishrei with the four postponement rules, exact for every day an
// AbsoluteDay holds (years before 1 continue it backwards). The civil side
// is the proleptic Gregorian calendar with its 400/100/4/1-year cycles.
// Every function is pure.
#pragma once

#include <cstdint>

struct GregorianDate {
    int32_t month;  // 1 = January .. 12 = December
    int32_t day;    // 1..31
    int32_t year;   // civil year, 1..9999 in this program
};

struct HebrewDate {
    int32_t month;  // 1 = Nisan .. 7 = Tishrei .. 12 = Adar (I), 13 = Adar II
    int32_t day;    // 1..30
    int32_t year;   // anno mundi
};

// Running day number: day 1 is 1 January of year 1, a Monday. Weekday is
// AbsoluteDay mod 7 with 0 = Sunday. 0 means "no day" or "today".
using AbsoluteDay = int32_t;

// The days this program can show: 0001-01-01 .. 9999-12-31. Days outside are
// refused by every caller that moves the reader.
constexpr AbsoluteDay kFirstSupportedDay = 1;
constexpr AbsoluteDay kLastSupportedDay = 3652059;
bool IsSupportedDay(AbsoluteDay day);

bool HebrewLeapYear(int32_t year);
int32_t LastMonthOfHebrewYear(int32_t year);
int32_t DaysInHebrewYear(int32_t year);
int32_t DaysInHebrewMonth(int32_t month, int32_t year);
// The day is not range-checked: day 30 of a 29-day month is the 1st of the
// next. Months count as the month-by-month sum from Tishrei counts them:
// month 13 of a common year, and 0 or below, fall on Nisan; 14 on follow a
// 29-day month 13 as 30-day months.
AbsoluteDay AbsoluteFromHebrew(HebrewDate date);
HebrewDate HebrewFromAbsolute(AbsoluteDay day);

bool GregorianLeapYear(int32_t year);
int32_t DaysInGregorianMonth(int32_t month, int32_t year);
int32_t DayNumberInYear(GregorianDate date);
AbsoluteDay AbsoluteFromGregorian(GregorianDate date);
GregorianDate GregorianFromAbsolute(AbsoluteDay day);

// The local (not universal) date of the machine's clock. Platform-specific;
// the native one lets VARIDEL_TODAY stand in for the clock (today_posix.cpp).
GregorianDate TodayGregorian();
