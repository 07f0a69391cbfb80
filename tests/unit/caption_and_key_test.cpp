// Date captions, lesson keys and the current day.
#include <gtest/gtest.h>

#include <cstring>

#include "app/app_state.h"
#include "app/current_day.h"
#include "calendar/date_caption.h"
#include "lessons/lesson_key.h"

namespace {

std::string Caption(HebrewDate date, int32_t* length = nullptr) {
    char field[kCaptionFieldSize];
    std::memset(field, 'x', sizeof(field));
    const int32_t written = FormatHebrewDateCaption(date, field);
    if (length) *length = written;
    return written == 0 ? std::string() : std::string(field);
}

HebrewDate HebrewOf(AbsoluteDay day) { return HebrewFromAbsolute(day); }

AbsoluteDay Today() { return AbsoluteFromGregorian(TodayGregorian()); }

class CurrentDay : public testing::Test {
protected:
    void SetUp() override { g_app = AppState{}; }
};

}  // namespace

TEST(DateCaption, FormsDayMonthAndYear) {
    int32_t length = 0;
    EXPECT_EQ(Caption({7, 5, 5767}, &length), "5 Tishrei, 5767");
    EXPECT_EQ(length, 15);
    EXPECT_EQ(Caption({12, 14, 5767}), "14 Adar, 5767");
    EXPECT_EQ(Caption({12, 14, 5768}), "14 Adar I, 5768");
    EXPECT_EQ(Caption({13, 14, 5768}), "14 Adar II, 5768");
    EXPECT_EQ(Caption({8, 30, 13760}), "30 Cheshvan, 13760");
}

TEST(DateCaption, RefusesMonthsTheYearDoesNotHave) {
    char field[kCaptionFieldSize] = "untouched";
    EXPECT_EQ(FormatHebrewDateCaption({13, 1, 5767}, field), 0);
    EXPECT_EQ(FormatHebrewDateCaption({0, 1, 5767}, field), 0);
    EXPECT_EQ(FormatHebrewDateCaption({14, 1, 5768}, field), 0);
    EXPECT_STREQ(field, "untouched");
}

TEST(DateCaption, OverlongNumbersStayInsideTheField) {
    char field[kCaptionFieldSize + 4];
    std::memset(field, 'x', sizeof(field));
    const int32_t length = FormatHebrewDateCaption({8, -2147483647, -2147483647}, field);
    EXPECT_EQ(length, static_cast<int32_t>(kCaptionFieldSize) - 1);
    EXPECT_EQ(field[kCaptionFieldSize - 1], '\0');
    EXPECT_EQ(field[kCaptionFieldSize], 'x');
}

TEST(LessonKeys, KeysOfAdarAndLongMonths) {
    EXPECT_EQ(LessonKeyForDate({12, 29, 5767}), 0x0E1D);
    EXPECT_EQ(LessonKeyForDate({12, 30, 5768}), 0x0C1E);
    EXPECT_EQ(LessonKeyForDate({13, 1, 5768}), 0x0D01);
    EXPECT_EQ(LessonKeyForDate({7, 5, 5767}), 0x0705);
}

TEST(LessonKeys, DayForKeyLandsInTheRightYear) {
    EXPECT_TRUE(HebrewOf(DayForLessonKey(0x0D05, 5767)).year == 5768);
    EXPECT_EQ(DayForLessonKey(0x0D05, 5767), AbsoluteFromHebrew({13, 5, 5768}));
    EXPECT_EQ(DayForLessonKey(0x0E05, 5768), AbsoluteFromHebrew({12, 5, 5769}));
    EXPECT_EQ(DayForLessonKey(0x0E05, 5767), AbsoluteFromHebrew({12, 5, 5767}));
    EXPECT_EQ(DayForLessonKey(0x0705, 5767), AbsoluteFromHebrew({7, 5, 5767}));
    // 5761 has a 29-day Cheshvan: its 30th entry falls on 1 Kislev.
    const HebrewDate carried = HebrewOf(DayForLessonKey(0x081E, 5761));
    EXPECT_EQ(carried.month, 9);
    EXPECT_EQ(carried.day, 1);
    EXPECT_EQ(LessonKeyForDate(carried), 0x0901);
}

TEST(LessonKeys, KeyAndDayAgreeOnEveryDayOfYearsOfAllSixLengths) {
    bool seen[386] = {};
    for (int32_t year = 5760; year <= 5800; ++year) {
        seen[DaysInHebrewYear(year)] = true;
        const AbsoluteDay first = AbsoluteFromHebrew({7, 1, year});
        for (AbsoluteDay day = first; day < first + DaysInHebrewYear(year); ++day) {
            const LessonKey key = LessonKeyForDate(HebrewOf(day));
            ASSERT_GE(LessonMonth(key), 1);
            ASSERT_LE(LessonMonth(key), 14);
            ASSERT_EQ(DayForLessonKey(key, year), day) << "key " << key << " year " << year;
        }
    }
    for (int length : {353, 354, 355, 383, 384, 385}) EXPECT_TRUE(seen[length]) << length;
}

TEST_F(CurrentDay, TodayFollowsTheClockAndAChosenDaySurvivesStartUp) {
    SetCurrentDay(0, false);
    EXPECT_EQ(g_app.Day, Today());
    EXPECT_EQ(g_app.Flags & kFlagDayChosen, 0u);
    EXPECT_EQ(g_app.Lesson, LessonKeyForDate(HebrewOf(Today())));
    EXPECT_EQ(std::string(g_app.caption).size(), static_cast<size_t>(g_app.captionLength));

    SetCurrentDay(732577, true);
    EXPECT_EQ(g_app.Day, 732577);
    EXPECT_STREQ(g_app.caption, "1 Tishrei, 5767");
    EXPECT_EQ(g_app.Lesson, 0x0701);
    EXPECT_NE(g_app.Flags & kFlagDayChosen, 0u);

    SetCurrentDay(0, false);  // a start-up request for today
    EXPECT_EQ(g_app.Day, 732577);
}

TEST(FollowingToday, OnlyAReaderWhoDidNotChooseADayMovesAndOnlyToAnotherDay) {
    const struct {
        uint32_t flags;
        AbsoluteDay shown, today;
        bool moves;
    } cases[] = {
        {kDefaultFlags, 739957, 739958, true},
        {kDefaultFlags, 739957, 739957, false},
        {kDefaultFlags, 739957, 739956, true},  // a clock put back
        {kDefaultFlags | kFlagDayChosen, 739957, 739958, false},
        {kFlagDayChosen, 739000, 739958, false},
        {0, 739957, 739958, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TodayMoved(c.flags, c.shown, c.today), c.moves) << std::hex << c.flags << std::dec << " " << c.shown;
    }
}

TEST_F(CurrentDay, ScrollPositionIsKeptOnlyWhenAskedOrOnTheSameDay) {
    SetCurrentDay(732577, true);
    g_app.LastPosition = 7;
    SetCurrentDay(732578, true);
    EXPECT_EQ(g_app.LastPosition, 7);
    SetCurrentDay(732578, false);  // same day: nothing but the flag changes
    EXPECT_EQ(g_app.LastPosition, 7);
    SetCurrentDay(732577, false);
    EXPECT_EQ(g_app.LastPosition, 0);
}

TEST_F(CurrentDay, RestoringThePreviousDayLeavesItChosen) {
    SetCurrentDay(0, true);
    EXPECT_EQ(g_app.Flags & kFlagDayChosen, 0u);
    const AbsoluteDay today = g_app.Day;
    g_app.LastPosition = 3;
    SetCurrentDay(today + 1, true);
    SetCurrentDay(today, false);
    EXPECT_EQ(g_app.Day, today);
    EXPECT_NE(g_app.Flags & kFlagDayChosen, 0u);
    EXPECT_EQ(g_app.LastPosition, 0);
}

TEST_F(CurrentDay, TodayCommandOnTheDayShownOnlyClearsTheFlag) {
    SetCurrentDay(Today(), true);
    g_app.LastPosition = 9;
    SetCurrentDay(0, true);
    EXPECT_EQ(g_app.Flags & kFlagDayChosen, 0u);
    EXPECT_EQ(g_app.LastPosition, 9);
}
