// Calendar arithmetic: known dates, year and month lengths, and properties
// over every day the reader can show.
#include <gtest/gtest.h>

#include "calendar/hebrew_calendar.h"
#include "tests/unit/reference_calendar.h"

namespace {

bool operator==(GregorianDate a, GregorianDate b) {
    return a.month == b.month && a.day == b.day && a.year == b.year;
}
bool operator==(HebrewDate a, HebrewDate b) {
    return a.month == b.month && a.day == b.day && a.year == b.year;
}

bool IsRealDate(HebrewDate date) {
    return date.month >= 1 && date.month <= LastMonthOfHebrewYear(date.year) && date.day >= 1 &&
           date.day <= DaysInHebrewMonth(date.month, date.year);
}

// The program's 1 Tishrei of `year` counted as the step-by-step arithmetic
// counts its elapsed days (absolute day 1 is its day 1,373,429).
int32_t ElapsedDays(int32_t year) { return AbsoluteFromHebrew({7, 1, year}) + 1373428; }

}  // namespace

TEST(CalendarKnownDates, CivilAndHebrewAnchors) {
    EXPECT_EQ(AbsoluteFromGregorian({1, 1, 1}), 1);
    EXPECT_EQ(AbsoluteFromGregorian({9, 23, 2006}), 732577);
    EXPECT_EQ(732577 % 7, 6);  // a Saturday
    EXPECT_TRUE((HebrewFromAbsolute(732577) == HebrewDate{7, 1, 5767}));
    EXPECT_EQ(AbsoluteFromGregorian({3, 20, 2007}), 732755);
    EXPECT_TRUE((HebrewFromAbsolute(732755) == HebrewDate{1, 1, 5767}));
    EXPECT_TRUE((HebrewFromAbsolute(AbsoluteFromGregorian({12, 7, 2026})) == HebrewDate{9, 27, 5787}));
    EXPECT_EQ(AbsoluteFromGregorian({12, 31, 9999}), kLastSupportedDay);
}

TEST(CalendarKnownDates, CenturyAndFourYearEndsOfGregorianFromAbsolute) {
    EXPECT_TRUE((GregorianFromAbsolute(730485) == GregorianDate{12, 31, 2000}));
    EXPECT_TRUE((GregorianFromAbsolute(730486) == GregorianDate{1, 1, 2001}));
    EXPECT_TRUE((GregorianFromAbsolute(731946) == GregorianDate{12, 31, 2004}));
    EXPECT_TRUE((GregorianFromAbsolute(731947) == GregorianDate{1, 1, 2005}));
    for (GregorianDate date : {GregorianDate{2, 29, 2004}, GregorianDate{3, 1, 2100}}) {
        EXPECT_TRUE(GregorianFromAbsolute(AbsoluteFromGregorian(date)) == date);
    }
}

TEST(CalendarYears, LengthsAndMonthsOfKnownYears) {
    EXPECT_EQ(DaysInHebrewYear(5761), 353);
    EXPECT_EQ(DaysInHebrewMonth(8, 5761), 29);
    EXPECT_EQ(DaysInHebrewMonth(9, 5761), 29);
    EXPECT_EQ(DaysInHebrewYear(5762), 354);
    EXPECT_EQ(DaysInHebrewMonth(8, 5762), 29);
    EXPECT_EQ(DaysInHebrewMonth(9, 5762), 30);
    EXPECT_EQ(DaysInHebrewYear(5764), 355);
    EXPECT_EQ(DaysInHebrewMonth(8, 5764), 30);
    EXPECT_EQ(DaysInHebrewYear(5765), 383);
    EXPECT_EQ(DaysInHebrewYear(5782), 384);
    EXPECT_EQ(DaysInHebrewYear(5763), 385);
    EXPECT_FALSE(HebrewLeapYear(5767));
    EXPECT_EQ(DaysInHebrewMonth(12, 5767), 29);
    EXPECT_TRUE(HebrewLeapYear(5768));
    EXPECT_EQ(LastMonthOfHebrewYear(5768), 13);
    EXPECT_EQ(DaysInHebrewMonth(12, 5768), 30);
    EXPECT_EQ(DaysInHebrewMonth(13, 5768), 29);
}

TEST(CalendarYears, MonthAndYearBoundaries) {
    const auto next = [](HebrewDate date) { return HebrewFromAbsolute(AbsoluteFromHebrew(date) + 1); };
    EXPECT_TRUE((next({12, 29, 5767}) == HebrewDate{1, 1, 5767}));
    EXPECT_TRUE((next({12, 30, 5768}) == HebrewDate{13, 1, 5768}));
    EXPECT_TRUE((next({6, 29, 5766}) == HebrewDate{7, 1, 5767}));
    // Day 30 of a 29-day Cheshvan is 1 Kislev.
    EXPECT_EQ(AbsoluteFromHebrew({8, 30, 5761}), AbsoluteFromHebrew({9, 1, 5761}));
    EXPECT_TRUE((HebrewFromAbsolute(AbsoluteFromHebrew({8, 30, 5761})) == HebrewDate{9, 1, 5761}));
    // Month 13 of a common year counts as Nisan.
    EXPECT_EQ(AbsoluteFromHebrew({13, 5, 5767}), AbsoluteFromHebrew({1, 5, 5767}));
}

TEST(CalendarYears, EveryYearHasALegalLengthAndNoForbiddenNewYearDay) {
    for (int32_t year = 3761; year <= 13761; ++year) {
        const int32_t length = DaysInHebrewYear(year);
        const bool legal = HebrewLeapYear(year) ? (length >= 383 && length <= 385)
                                                : (length >= 353 && length <= 355);
        ASSERT_TRUE(legal) << "year " << year << " has " << length << " days";
        const int32_t weekday = ElapsedDays(year) % 7;
        ASSERT_TRUE(weekday != 0 && weekday != 3 && weekday != 5) << "1 Tishrei " << year;
    }
}

TEST(CalendarYears, NewYearsAgreeWithTheStepByStepArithmeticOverAWholePeriod) {
    // After 689,472 years the calendar repeats: every time of the molad and
    // every rule of postponement comes up within them.
    for (int32_t year = 1; year <= 689472; ++year) {
        ASSERT_EQ(ElapsedDays(year), ReferenceElapsedDays(year)) << year;
        ASSERT_EQ(DaysInHebrewYear(year), ReferenceDaysInYear(year)) << year;
    }
}

TEST(CalendarYears, MonthsAgreeWithTheMonthByMonthSumsFromYearOne) {
    // Months outside 1..13 and day 30 of 29-day months included: a lesson
    // key or a calendar cell can ask for them.
    for (int32_t year = 1; year <= 13762; ++year) {
        for (int32_t month = -1; month <= 16; ++month) {
            ASSERT_EQ(DaysInHebrewMonth(month, year), ReferenceDaysInMonth(month, year)) << month << "/" << year;
            for (int32_t day : {1, 30}) {
                const HebrewDate date{month, day, year};
                ASSERT_EQ(AbsoluteFromHebrew(date), ReferenceAbsoluteFromHebrew(date)) << month << "/" << day << "/" << year;
            }
        }
    }
}

TEST(CalendarYears, FirstAndLastDaysOfYearsOfEveryLength) {
    const struct {
        int32_t year;
        int32_t length;
    } years[] = {{5761, 353}, {5762, 354}, {5764, 355}, {5765, 383}, {5782, 384}, {5763, 385}};
    for (const auto& y : years) {
        ASSERT_EQ(DaysInHebrewYear(y.year), y.length) << y.year;
        const AbsoluteDay first = AbsoluteFromHebrew({7, 1, y.year});
        const AbsoluteDay last = first + y.length - 1;
        EXPECT_EQ(first, ReferenceAbsoluteFromHebrew({7, 1, y.year})) << y.year;
        EXPECT_TRUE((HebrewFromAbsolute(first - 1) == HebrewDate{6, 29, y.year - 1})) << y.year;
        EXPECT_TRUE((HebrewFromAbsolute(first) == HebrewDate{7, 1, y.year})) << y.year;
        EXPECT_TRUE((HebrewFromAbsolute(last) == HebrewDate{6, 29, y.year})) << y.year;
        EXPECT_TRUE((HebrewFromAbsolute(last + 1) == HebrewDate{7, 1, y.year + 1})) << y.year;
        EXPECT_EQ(AbsoluteFromHebrew({6, 29, y.year}), last) << y.year;
    }
}

TEST(CalendarYears, EndsOfTheSupportedRangeAndDaysFarBeyond) {
    EXPECT_TRUE((HebrewFromAbsolute(kFirstSupportedDay) == HebrewDate{10, 18, 3761}));
    EXPECT_TRUE((HebrewFromAbsolute(kLastSupportedDay) == HebrewDate{8, 28, 13760}));
    // No day is refused: the calendar runs on past both ends.
    for (AbsoluteDay day : {INT32_MIN, -1373428, -1373427, 0, kLastSupportedDay + 1, INT32_MAX}) {
        const HebrewDate date = HebrewFromAbsolute(day);
        EXPECT_TRUE(IsRealDate(date)) << day;
        EXPECT_EQ(AbsoluteFromHebrew(date), day);
    }
    EXPECT_TRUE((HebrewFromAbsolute(-1373427) == HebrewDate{7, 1, 1}));
    // Civil days before year 1 fall in year 0 (a leap year), -1 and so on.
    EXPECT_TRUE((GregorianFromAbsolute(0) == GregorianDate{12, 31, 0}));
    EXPECT_TRUE((GregorianFromAbsolute(-365) == GregorianDate{1, 1, 0}));
    EXPECT_TRUE((GregorianFromAbsolute(-366) == GregorianDate{12, 31, -1}));
    EXPECT_TRUE((GregorianFromAbsolute(1 - 146097) == GregorianDate{1, 1, -399}));
    for (AbsoluteDay day : {INT32_MIN, -146097, -366, -1, 0, INT32_MAX}) {
        const GregorianDate civil = GregorianFromAbsolute(day);
        EXPECT_TRUE(civil.day >= 1 && civil.day <= DaysInGregorianMonth(civil.month, civil.year)) << day;
        EXPECT_EQ(AbsoluteFromGregorian(civil), day);
    }
}

TEST(CalendarEveryDay, RoundTripsAndGivesRealConsecutiveDates) {
    HebrewDate previous{};
    for (AbsoluteDay day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
        const GregorianDate civil = GregorianFromAbsolute(day);
        ASSERT_EQ(AbsoluteFromGregorian(civil), day);
        ASSERT_GE(civil.day, 1) << day;
        ASSERT_LE(civil.day, DaysInGregorianMonth(civil.month, civil.year)) << day;
        const HebrewDate hebrew = HebrewFromAbsolute(day);
        ASSERT_GE(hebrew.month, 1) << day;
        ASSERT_LE(hebrew.month, LastMonthOfHebrewYear(hebrew.year)) << day;
        ASSERT_GE(hebrew.day, 1) << day;
        ASSERT_LE(hebrew.day, DaysInHebrewMonth(hebrew.month, hebrew.year)) << day;
        ASSERT_EQ(AbsoluteFromHebrew(hebrew), day);
        if (day > kFirstSupportedDay && hebrew.day != 1) {
            ASSERT_TRUE((hebrew == HebrewDate{previous.month, previous.day + 1, previous.year})) << day;
        }
        if (day > kFirstSupportedDay && hebrew.day == 1) {
            ASSERT_EQ(previous.day, DaysInHebrewMonth(previous.month, previous.year)) << day;
            const bool newYear = hebrew.month == 7;
            ASSERT_EQ(hebrew.year, previous.year + (newYear ? 1 : 0)) << day;
        }
        previous = hebrew;
    }
}

TEST(CalendarEveryDay, AgreesWithTheMonthSearch) {
    int32_t mended = 0;
    for (AbsoluteDay day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
        HebrewDate expected = ReferenceHebrewFromAbsolute(day, false);
        if (!IsRealDate(expected)) {
            ++mended;
            expected = ReferenceHebrewFromAbsolute(day, true);
        }
        ASSERT_TRUE(HebrewFromAbsolute(day) == expected) << day;
    }
    // The guessed first month goes wrong only far from the present:
    // 0007-08-30 is one such day.
    EXPECT_GT(mended, 0);
    const AbsoluteDay farDay = AbsoluteFromGregorian({8, 30, 7});
    EXPECT_LE(ReferenceHebrewFromAbsolute(farDay, false).day, 0);
    EXPECT_TRUE((HebrewFromAbsolute(farDay) == HebrewDate{7, 1, 3768}));
}

TEST(CalendarSupportedDays, RangeEnds) {
    EXPECT_FALSE(IsSupportedDay(0));
    EXPECT_TRUE(IsSupportedDay(1));
    EXPECT_TRUE(IsSupportedDay(kLastSupportedDay));
    EXPECT_FALSE(IsSupportedDay(kLastSupportedDay + 1));
    EXPECT_TRUE((GregorianFromAbsolute(kLastSupportedDay + 1) == GregorianDate{1, 1, 10000}));
}
