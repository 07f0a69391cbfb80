// When the local day ends: the wait from a local time to the next local
// midnight, which a clock put forward or back on the way moves.
#pragma once

#include <cstdint>

#include "calendar/hebrew_calendar.h"

// A reading of the local wall clock.
struct LocalTime {
    GregorianDate date;
    int32_t hour, minute, second, millisecond;
};

// Milliseconds of real time from `now` until the local date next changes.
// The offsets are the local clock's lead on universal time, in minutes, now
// and just before that midnight: a clock put forward on the way (a larger
// offset) brings midnight nearer, one put back takes it further. A midnight
// that a clock put forward skips counts as on the wall clock. At least 1.
int64_t MillisecondsToNextMidnight(const LocalTime& now, int32_t offsetNow, int32_t offsetAtMidnight);

// The local date after `date`.
GregorianDate NextCivilDay(GregorianDate date);
