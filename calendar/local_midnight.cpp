// The wait until the next local midnight.
#include "calendar/local_midnight.h"

namespace {

constexpr int64_t kMillisecondsPerMinute = 60 * 1000;
constexpr int64_t kMillisecondsPerDay = 24 * 60 * kMillisecondsPerMinute;

}  // namespace

int64_t MillisecondsToNextMidnight(const LocalTime& now, int32_t offsetNow, int32_t offsetAtMidnight) {
    const int64_t sinceMidnight =
        ((int64_t{now.hour} * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
    const int64_t wall = kMillisecondsPerDay - sinceMidnight;
    const int64_t real = wall - int64_t{offsetAtMidnight - offsetNow} * kMillisecondsPerMinute;
    // Only a clock put forward over midnight itself leaves no midnight to
    // wait for: the wall clock's wait then turns the day a little late
    // rather than at once and again.
    return real < 1 ? wall : real;
}

GregorianDate NextCivilDay(GregorianDate date) {
    return GregorianFromAbsolute(AbsoluteFromGregorian(date) + 1);
}
