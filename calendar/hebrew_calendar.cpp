// Hebrew and Gregorian calendar arithmetic.
//
// The Hebrew side counts time in parts (1,080 to the hour, 25,920 to the day)
// from the epoch: the molad of Tishrei of year 1 came 5 hours and 204 parts
// into elapsed day 1, and each mean month adds 29 days, 12 hours and 793
// parts. 1 Tishrei is the molad's day moved by the postponement rules. A
// conversion works out its year's first day and length once (in a supported
// year it reads them from a table made on first use);
// the months of each of the six kinds of year (353, 354, 355, 383, 384 or
// 385 days) come from tables built at compile time.
//
// Inside the Hebrew arithmetic, years count from a start a whole number of
// the calendar's periods before year 1, far enough back that every int32_t
// year is a count of zero or more: all of it is then unsigned arithmetic
// that rounds down, and years before 1 continue the calendar backwards. The
// Gregorian side does the same with whole 400-year cycles: before year 1
// come year 0, -1 and so on, with the leap years they would have.
#include "calendar/hebrew_calendar.h"


namespace {

// Offset between the elapsed-day scale and AbsoluteDay.
constexpr int32_t kElapsedToAbsolute = 1373429;

constexpr uint64_t kPartsPerDay = 25920;
constexpr uint64_t kPartsPerMonth = 765433;
constexpr uint64_t kFirstMolad = 5 * 1080 + 204;

// After 689,472 years (36,288 cycles of 19) the molad's time of day, its
// weekday and the leap years all repeat: the period is 251,827,457 days,
// whole weeks. 3,115 periods are more years than 2^31.
constexpr uint64_t kShiftPeriods = 3115;
constexpr uint64_t kShiftYears = kShiftPeriods * 689472;
constexpr uint64_t kShiftDays = kShiftPeriods * 251827457;

constexpr int32_t kCivilMonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// 14,700 Gregorian cycles of 400 years (146,097 days) are more days than
// 2^31.
constexpr int64_t kCivilShiftCycles = 14700;
constexpr int64_t kCivilShiftYears = kCivilShiftCycles * 400;
constexpr int64_t kCivilShiftDays = kCivilShiftCycles * 146097;

// A year's place in the 19-year cycle: the months of the cycle before it,
// and whether it, the year before and the year after have a 13th month.
struct CycleYear {
    uint32_t monthsBefore;
    bool leap;
    bool previousLeap;
    bool nextLeap;
};

struct Cycle {
    CycleYear years[19];
};

constexpr bool CycleLeap(int32_t place) {
    return (7 * (place + 19) + 8) % 19 < 7;  // (7 × year + 1) mod 19 < 7
}

constexpr Cycle MakeCycle() {
    Cycle cycle{};
    for (int32_t place = 0; place < 19; ++place) {
        cycle.years[place] = {uint32_t(12 * place + (7 * place + 1) / 19), CycleLeap(place),
                              CycleLeap(place - 1), CycleLeap(place + 1)};
    }
    return cycle;
}

constexpr Cycle kCycle = MakeCycle();

// From which part of its day a molad comes late: from noon; on a Tuesday of
// a common year from 9 hours 204 parts; on a Monday after a leap year from
// 15 hours 589 parts.
constexpr uint32_t LateFrom(int32_t weekday, bool leap, bool previousLeap) {
    if (weekday == 2 && !leap) return 9924;
    if (weekday == 1 && previousLeap) return 16789;
    return 19440;
}

// LateFrom as a table, by weekday, leap year and leap year before: a
// conversion looks it up twice, and for days at random a branch on the
// weekday would go either way.
struct LateFromTable {
    uint32_t parts[7][2][2];
};

constexpr LateFromTable MakeLateFromTable() {
    LateFromTable table{};
    for (int32_t weekday = 0; weekday < 7; ++weekday) {
        for (int32_t leap = 0; leap < 2; ++leap) {
            for (int32_t previousLeap = 0; previousLeap < 2; ++previousLeap)
                table.parts[weekday][leap][previousLeap] = LateFrom(weekday, leap, previousLeap);
        }
    }
    return table;
}

constexpr LateFromTable kLateFrom = MakeLateFromTable();

// Elapsed day of 1 Tishrei on the shifted scale, from the parts gone by
// from the shifted start to its molad.
uint64_t NewYearDay(uint64_t molad, bool leap, bool previousLeap) {
    const uint64_t day = 1 + molad / kPartsPerDay;
    const uint32_t weekday = uint32_t(day % 7);
    const uint32_t late = molad % kPartsPerDay >= kLateFrom.parts[weekday][leap][previousLeap];
    // A late molad moves the new year to the next day; then, off Sunday,
    // Wednesday and Friday, one more (weekday 7 is Sunday again).
    constexpr uint32_t kSundayWednesdayFriday = 1 << 0 | 1 << 3 | 1 << 5 | 1 << 7;
    return day + late + ((kSundayWednesdayFriday >> (weekday + late)) & 1);
}

// A year's molad of Tishrei, as parts from the shifted start, and its place
// in the cycle.
struct YearMolad {
    uint64_t molad;
    const CycleYear* place;
};

YearMolad MoladOfYear(int32_t year) {
    const uint64_t years = uint64_t(int64_t{year} - 1 + int64_t{kShiftYears});
    const uint64_t cycles = years / 19;
    const CycleYear& place = kCycle.years[years - 19 * cycles];
    return {kFirstMolad + kPartsPerMonth * (235 * cycles + place.monthsBefore), &place};
}

// Elapsed-day values of the year's 1 Tishrei and of the next year's.
int64_t FirstDay(const YearMolad& year) {
    return int64_t(NewYearDay(year.molad, year.place->leap, year.place->previousLeap)) - int64_t{kShiftDays};
}

int64_t NextFirstDay(const YearMolad& year) {
    const uint64_t nextMolad = year.molad + (year.place->leap ? 13 : 12) * kPartsPerMonth;
    return int64_t(NewYearDay(nextMolad, year.place->nextLeap, year.place->leap)) - int64_t{kShiftDays};
}

// The year of elapsed day `elapsed`, or the year after. The mean year lasts
// 35,975,351 / 98,496 days, and no 1 Tishrei falls more than 26 days before
// its mean date or 5 days after it.
int32_t EstimatedYear(int64_t elapsed) {
    const uint64_t shifted = uint64_t(elapsed + int64_t{kShiftDays} + 26);
    return int32_t(int64_t(shifted * 98496 / 35975351) - int64_t{kShiftYears} + 1);
}

// Month lengths in a year of the given kind: `extra` is 0 for 353 or 383
// days (short Kislev), 1 for 354 or 384, 2 for 355 or 385 (long Cheshvan).
// Months outside 1..13 count 30 days.
constexpr int32_t MonthLength(int32_t month, bool leap, int32_t extra) {
    if (month == 2 || month == 4 || month == 6 || month == 10 || month == 13) return 29;
    if (month == 12 && !leap) return 29;
    if (month == 8 && extra != 2) return 29;
    if (month == 9 && extra == 0) return 29;
    return 30;
}

struct YearKind {
    // Days from 1 Tishrei to day 1 of months 0..14, summed month by month
    // from Tishrei: months 0 and 1, and 13 in a common year, start at Nisan.
    int32_t monthStart[15];
    // The months in the year's order from Tishrei, the day each starts on,
    // and after the last of them the year's length.
    int32_t monthCount;
    int32_t orderMonth[13];
    int32_t orderStart[14];
};

constexpr YearKind MakeYearKind(bool leap, int32_t extra) {
    YearKind kind{};
    const int32_t last = leap ? 13 : 12;
    for (int32_t month = 0; month <= 14; ++month) {
        int32_t sum = 0;
        if (month < 7) {
            for (int32_t m = 7; m <= last; ++m) sum += MonthLength(m, leap, extra);
            for (int32_t m = 1; m < month; ++m) sum += MonthLength(m, leap, extra);
        } else {
            for (int32_t m = 7; m < month; ++m) sum += MonthLength(m, leap, extra);
        }
        kind.monthStart[month] = sum;
    }
    int32_t start = 0;
    for (int32_t i = 0; i < last; ++i) {
        const int32_t month = (i + 6) % last + 1;  // 7 .. last, then 1 .. 6
        kind.orderMonth[i] = month;
        kind.orderStart[i] = start;
        start += MonthLength(month, leap, extra);
    }
    kind.monthCount = last;
    kind.orderStart[last] = start;
    return kind;
}

constexpr YearKind kYearKinds[6] = {
    MakeYearKind(false, 0), MakeYearKind(false, 1), MakeYearKind(false, 2),
    MakeYearKind(true, 0),  MakeYearKind(true, 1),  MakeYearKind(true, 2),
};

// Lengths 353..355 are kinds 0..2, and 383..385 kinds 3..5.
int32_t KindIndex(int64_t length) {
    return static_cast<int32_t>(length - 353 - 27 * int64_t{length > 370});
}

int64_t DaysBeforeMonth(const YearKind& kind, int32_t month) {
    if (uint32_t(month) <= 14) return kind.monthStart[month];
    if (month < 0) return kind.monthStart[0];
    return kind.monthStart[14] + 30 * int64_t{month - 14};
}

// A year's 1 Tishrei, as an elapsed-day value, and its kind.
struct YearStart {
    int64_t first;
    const YearKind* kind;
};

// The years of the supported days (0001-01-01 to 9999-12-31): from the first
// up to, not including, the end.
constexpr int32_t kFirstTableYear = 3761;
constexpr int32_t kEndTableYear = 13761;

// The start and kind of every year of the table, worked out on first use (a
// tenth of a millisecond; at compile time it would add 20 KB to the exe): a
// conversion in a supported year reads them instead of applying the
// postponement rules. Each year is 16 bits: its 1 Tishrei's distance from
// 365 days a year after the first (the calendar gains a quarter of a day a
// year, and no new year falls more than kDriftFloor days early), then its
// kind in the low 3 bits.
constexpr int64_t kDriftFloor = 64;

struct YearTable {
    int64_t firstDay;
    uint16_t years[kEndTableYear - kFirstTableYear];
};

YearTable MakeYearTable() {
    YearTable table{FirstDay(MoladOfYear(kFirstTableYear)), {}};
    for (int32_t i = 0; i < kEndTableYear - kFirstTableYear; ++i) {
        const YearMolad molad = MoladOfYear(kFirstTableYear + i);
        const int64_t first = FirstDay(molad);
        const int64_t drift = first - table.firstDay - 365 * int64_t{i} + kDriftFloor;
        table.years[i] = static_cast<uint16_t>(drift << 3 | KindIndex(NextFirstDay(molad) - first));
    }
    return table;
}

YearStart StartOf(int32_t year) {
    if (year >= kFirstTableYear && year < kEndTableYear) {
        static const YearTable table = MakeYearTable();
        const int32_t i = year - kFirstTableYear;
        const uint32_t packed = table.years[i];
        return {table.firstDay + 365 * int64_t{i} + (packed >> 3) - kDriftFloor, &kYearKinds[packed & 7]};
    }
    const YearMolad molad = MoladOfYear(year);
    const int64_t first = FirstDay(molad);
    return {first, &kYearKinds[KindIndex(NextFirstDay(molad) - first)]};
}

}  // namespace

bool IsSupportedDay(AbsoluteDay day) {
    return day >= kFirstSupportedDay && day <= kLastSupportedDay;
}

bool HebrewLeapYear(int32_t year) {
    // Any year a caller hands in (a damaged setting, a caption of an
    // arbitrary date) is answered: the shifted count is never negative.
    return kCycle.years[uint64_t(int64_t{year} - 1 + int64_t{kShiftYears}) % 19].leap;
}

int32_t LastMonthOfHebrewYear(int32_t year) {
    return HebrewLeapYear(year) ? 13 : 12;
}

int32_t DaysInHebrewYear(int32_t year) {
    const YearMolad molad = MoladOfYear(year);
    return static_cast<int32_t>(NextFirstDay(molad) - FirstDay(molad));
}

int32_t DaysInHebrewMonth(int32_t month, int32_t year) {
    // Only Cheshvan and Kislev depend on the year's length.
    const int32_t extra = (month == 8 || month == 9) ? DaysInHebrewYear(year) % 10 - 3 : 1;
    return MonthLength(month, HebrewLeapYear(year), extra);
}

AbsoluteDay AbsoluteFromHebrew(HebrewDate date) {
    const YearStart year = StartOf(date.year);
    return static_cast<AbsoluteDay>(year.first + DaysBeforeMonth(*year.kind, date.month) + date.day -
                                    kElapsedToAbsolute);
}

HebrewDate HebrewFromAbsolute(AbsoluteDay day) {
    const int64_t elapsed = int64_t{day} + kElapsedToAbsolute - 1;
    int32_t year = EstimatedYear(elapsed);
    YearStart start = StartOf(year);
    if (elapsed < start.first) start = StartOf(--year);
    const YearKind& kind = *start.kind;
    const int32_t dayOfYear = static_cast<int32_t>(elapsed - start.first);
    // Every month has 29 or 30 days, so the month is this one or the next.
    int32_t i = dayOfYear / 30;
    i += dayOfYear >= kind.orderStart[i + 1];
    return {kind.orderMonth[i], dayOfYear - kind.orderStart[i] + 1, year};
}

bool GregorianLeapYear(int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int32_t DaysInGregorianMonth(int32_t month, int32_t year) {
    return kCivilMonthDays[GregorianLeapYear(year) ? 1 : 0][month];
}

int32_t DayNumberInYear(GregorianDate date) {
    int32_t n = date.day + 31 * (date.month - 1);
    if (date.month > 2) {
        n -= (4 * date.month + 23) / 10;
        if (GregorianLeapYear(date.year)) n += 1;
    }
    return n;
}

AbsoluteDay AbsoluteFromGregorian(GregorianDate date) {
    const int64_t p = int64_t{date.year} - 1 + kCivilShiftYears;
    return static_cast<AbsoluteDay>(DayNumberInYear(date) + 365 * p + p / 4 - p / 100 + p / 400 - kCivilShiftDays);
}

// Counts in years that start on 1 March, so that the leap day ends the year,
// and finds year, month and day by multiplying with fixed-point reciprocals
// instead of dividing. The reciprocals are exact for every day of a 400-year
// cycle, so for every shifted day.
GregorianDate GregorianFromAbsolute(AbsoluteDay absolute) {
    constexpr int64_t kMarchFirstOfYear0 = -305;
    const uint64_t quarterDays = 4 * uint64_t(int64_t{absolute} - kMarchFirstOfYear0 + kCivilShiftDays) + 3;
    const uint64_t century = quarterDays / 146097;
    const uint64_t inCentury = uint64_t{2939745} * ((quarterDays % 146097) | 3);
    const uint64_t yearOfCentury = inCentury >> 32;
    const uint32_t dayOfYear = static_cast<uint32_t>(inCentury) / 2939745 / 4;
    const uint32_t monthAndDay = 2141 * dayOfYear + 197913;
    const int32_t month = static_cast<int32_t>(monthAndDay >> 16);
    const int32_t day = static_cast<int32_t>((monthAndDay & 0xFFFF) / 2141) + 1;
    const bool nextYear = dayOfYear >= 306;  // January or February
    const int64_t year = 100 * int64_t(century) + int64_t(yearOfCentury) + nextYear - kCivilShiftYears;
    return {nextYear ? month - 12 : month, day, static_cast<int32_t>(year)};
}
