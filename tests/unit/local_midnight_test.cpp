// The wait until the local day ends, on ordinary days and on the days the
// clocks change.
#include <gtest/gtest.h>

#include "calendar/local_midnight.h"

namespace {

constexpr int64_t kSecond = 1000;
constexpr int64_t kHour = 3600 * kSecond;

TEST(LocalMidnight, TheWaitFollowsTheClockAndItsChanges) {
    const struct {
        const char* what;
        LocalTime now;
        int32_t offsetNow, offsetAtMidnight;
        int64_t expected;
    } cases[] = {
        {"ten seconds before", {{12, 31, 2026}, 23, 59, 50, 0}, 0, 0, 10 * kSecond},
        {"a millisecond before", {{1, 14, 2027}, 23, 59, 59, 999}, 120, 120, 1},
        {"at midnight: a whole day", {{3, 1, 2027}, 0, 0, 0, 0}, -300, -300, 24 * kHour},
        {"noon", {{6, 15, 2027}, 12, 0, 0, 0}, 60, 60, 12 * kHour},
        {"put forward an hour on the way", {{3, 28, 2027}, 20, 0, 0, 0}, 60, 120, 3 * kHour},
        {"put back an hour on the way", {{10, 31, 2027}, 20, 0, 0, 0}, 120, 60, 5 * kHour},
        {"put forward over midnight itself", {{9, 4, 2027}, 23, 30, 0, 0}, -180, -120, kHour / 2},
        {"half an hour back", {{4, 6, 2027}, 22, 0, 0, 0}, 630, 600, 2 * kHour + kHour / 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MillisecondsToNextMidnight(c.now, c.offsetNow, c.offsetAtMidnight), c.expected) << c.what;
    }
}

TEST(LocalMidnight, TheNextDayCrossesMonthsYearsAndLeapDays) {
    const struct {
        GregorianDate date, next;
    } cases[] = {
        {{12, 31, 2026}, {1, 1, 2027}},
        {{2, 28, 2028}, {2, 29, 2028}},
        {{2, 28, 2027}, {3, 1, 2027}},
        {{2, 28, 2100}, {3, 1, 2100}},
        {{4, 30, 2027}, {5, 1, 2027}},
    };
    for (const auto& c : cases) {
        const GregorianDate next = NextCivilDay(c.date);
        EXPECT_TRUE(next.year == c.next.year && next.month == c.next.month && next.day == c.next.day)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
}

}  // namespace
