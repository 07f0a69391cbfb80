// Calendar arithmetic: known dates, year and month lengths, and properties
// over every day the reader can show.
#include <gtest/gtest.h>

#include "calendar/hebrew_calendar.h"

namespace {

bool operator==(GregorianDate a, GregorianDate b) {
    return a.month == b.month && a.day == b.day && a.year == b.year;
}
bool operator==(HebrewDate a, HebrewDate b) {
    return a.month == b.month && a.day == b.day && a.year == b.year;
}

// The month search exactly as it was first written: a forward search from a
// first guess taken from the civil month, right only while the two calendars
// stay roughly aligned. The mended search must agree with it wherever its
// answer is a real date.
HebrewDate GuessedMonthSearch(AbsoluteDay a) {
    static const int32_t guess[13] = {0, 9, 10, 11, 12, 1, 2, 3, 4, 7, 7, 7, 8};
    const GregorianDate g = GregorianFromAbsolute(a);
    int32_t month = guess[g.month];
    int32_t year = g.year + 3760;
    while (a >= AbsoluteFromHebrew({7, 1, year + 1})) ++year;
    const int32_t last = LastMonthOfHebrewYear(year);
    while (a > AbsoluteFromHebrew({month, DaysInHebrewMonth(month, year), year})) {
        month = month % last + 1;
    }
    return {month, a - AbsoluteFromHebrew({month, 1, year}) + 1, year};
}

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
        const int32_t weekday = HebrewElapsedDays(year) % 7;
        ASSERT_TRUE(weekday != 0 && weekday != 3 && weekday != 5) << "1 Tishrei " << year;
    }
}

TEST(CalendarEveryDay, RoundTripsAndGivesRealConsecutiveDates) {
    HebrewDate previous{};
    for (AbsoluteDay day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
        const GregorianDate civil = GregorianFromAbsolute(day);
        ASSERT_EQ(AbsoluteFromGregorian(civil), day);
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

TEST(CalendarEveryDay, AgreesWithTheGuessedMonthSearchWhereverThatIsRight) {
    int32_t mended = 0;
    for (AbsoluteDay day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
        const HebrewDate guessed = GuessedMonthSearch(day);
        if (guessed.day >= 1 && guessed.day <= DaysInHebrewMonth(guessed.month, guessed.year)) {
            ASSERT_TRUE(HebrewFromAbsolute(day) == guessed) << day;
        } else {
            ++mended;
        }
    }
    // The guess goes wrong only far from the present: 0007-08-30 is one such day.
    EXPECT_GT(mended, 0);
    EXPECT_LE(GuessedMonthSearch(AbsoluteFromGregorian({8, 30, 7})).day, 0);
    EXPECT_TRUE((HebrewFromAbsolute(AbsoluteFromGregorian({8, 30, 7})) == HebrewDate{7, 1, 3768}));
}

TEST(CalendarSupportedDays, RangeEnds) {
    EXPECT_FALSE(IsSupportedDay(0));
    EXPECT_TRUE(IsSupportedDay(1));
    EXPECT_TRUE(IsSupportedDay(kLastSupportedDay));
    EXPECT_FALSE(IsSupportedDay(kLastSupportedDay + 1));
    EXPECT_TRUE((GregorianFromAbsolute(kLastSupportedDay + 1) == GregorianDate{1, 1, 10000}));
}
