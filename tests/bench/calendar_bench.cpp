// Speed of the calendar conversions against the month-by-month arithmetic
// they replaced (tests/unit/reference_calendar), on a walk through 65,536
// consecutive days and on as many random days of the supported range; and of
// a whole line of `varidel-book dates` against the line as it was first
// formed, with snprintf and a std::string for the civil date.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "calendar/date_caption.h"
#include "lessons/lesson_key.h"
#include "tests/unit/reference_calendar.h"
#include "tools/dates_line.h"

namespace {

constexpr size_t kDays = 1 << 16;

const std::vector<AbsoluteDay>& WalkDays() {
    static const std::vector<AbsoluteDay> days = [] {
        std::vector<AbsoluteDay> d(kDays);
        const AbsoluteDay first = AbsoluteFromGregorian({1, 1, 1900});
        for (size_t i = 0; i < kDays; ++i) d[i] = first + static_cast<AbsoluteDay>(i);
        return d;
    }();
    return days;
}

const std::vector<AbsoluteDay>& RandomDays() {
    static const std::vector<AbsoluteDay> days = [] {
        std::mt19937 random(14);
        std::uniform_int_distribution<AbsoluteDay> pick(kFirstSupportedDay, kLastSupportedDay);
        std::vector<AbsoluteDay> d(kDays);
        for (AbsoluteDay& day : d) day = pick(random);
        return d;
    }();
    return days;
}

std::vector<HebrewDate> HebrewDatesOf(const std::vector<AbsoluteDay>& days) {
    std::vector<HebrewDate> dates;
    for (AbsoluteDay day : days) dates.push_back(ReferenceHebrewFromAbsolute(day, true));
    return dates;
}

HebrewDate FastToHebrew(AbsoluteDay day) { return HebrewFromAbsolute(day); }
HebrewDate BaselineToHebrew(AbsoluteDay day) { return ReferenceHebrewFromAbsolute(day, true); }

template <HebrewDate (*Convert)(AbsoluteDay)>
void ToHebrew(benchmark::State& state, const std::vector<AbsoluteDay>& (*days)()) {
    for (auto _ : state) {
        int64_t sum = 0;
        for (AbsoluteDay day : days()) {
            const HebrewDate date = Convert(day);
            sum += date.month + date.day + date.year;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kDays));
}

template <AbsoluteDay (*Convert)(HebrewDate)>
void FromHebrew(benchmark::State& state, const std::vector<AbsoluteDay>& (*days)()) {
    const std::vector<HebrewDate> dates = HebrewDatesOf(days());
    for (auto _ : state) {
        int64_t sum = 0;
        for (HebrewDate date : dates) sum += Convert(date);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kDays));
}

// The line as the tool first formed it.
size_t BaselineDatesLine(AbsoluteDay day, char* line) {
    const HebrewDate hebrew = ReferenceHebrewFromAbsolute(day, true);
    char caption[kCaptionFieldSize] = "";
    std::snprintf(caption, sizeof caption, "%d %s, %d", int(hebrew.day), HebrewMonthName(hebrew.month, hebrew.year),
                  int(hebrew.year));
    const GregorianDate civil = GregorianFromAbsolute(day);
    char isoText[16];
    std::snprintf(isoText, sizeof isoText, "%04d-%02d-%02d", int(civil.year), int(civil.month), int(civil.day));
    const std::string iso = isoText;
    return size_t(std::snprintf(line, kMaxDatesLineLength, "%s\t%d\t%d/%d/%d\t0x%04X\t%s\n", iso.c_str(), int(day),
                                int(hebrew.month), int(hebrew.day), int(hebrew.year),
                                unsigned(LessonKeyForDate(hebrew)), caption));
}

// The figures mean nothing unless both give the same lines.
void CheckLinesAgree(const std::vector<AbsoluteDay>& days) {
    for (AbsoluteDay day : days) {
        char fast[kMaxDatesLineLength], baseline[kMaxDatesLineLength];
        const size_t length = FormatDatesLine(day, fast);
        if (length != BaselineDatesLine(day, baseline) || std::memcmp(fast, baseline, length) != 0) {
            std::fprintf(stderr, "dates lines differ on day %d\n", int(day));
            std::abort();
        }
    }
}

template <size_t (*Format)(AbsoluteDay, char*)>
void DatesLine(benchmark::State& state, const std::vector<AbsoluteDay>& (*days)()) {
    CheckLinesAgree(days());
    // Lines gather as the tool gathers them, in a 64 KiB buffer started
    // again when the next line might not fit (the tool writes it out then).
    static char buffer[1 << 16];
    for (auto _ : state) {
        size_t used = 0;
        for (AbsoluteDay day : days()) {
            if (used > sizeof(buffer) - kMaxDatesLineLength) {
                benchmark::DoNotOptimize(buffer);
                used = 0;
            }
            used += Format(day, buffer + used);
        }
        benchmark::DoNotOptimize(buffer);
        benchmark::DoNotOptimize(used);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kDays));
}

const bool kRegistered = [] {
    const struct {
        const char* name;
        const std::vector<AbsoluteDay>& (*days)();
    } workloads[] = {{"walk", WalkDays}, {"random", RandomDays}};
    for (const auto& w : workloads) {
        const std::string walk = std::string("/") + w.name;
        benchmark::RegisterBenchmark(("HebrewFromAbsolute" + walk + "/baseline").c_str(), ToHebrew<BaselineToHebrew>, w.days);
        benchmark::RegisterBenchmark(("HebrewFromAbsolute" + walk + "/now").c_str(), ToHebrew<FastToHebrew>, w.days);
        benchmark::RegisterBenchmark(("AbsoluteFromHebrew" + walk + "/baseline").c_str(),
                                     FromHebrew<ReferenceAbsoluteFromHebrew>, w.days);
        benchmark::RegisterBenchmark(("AbsoluteFromHebrew" + walk + "/now").c_str(), FromHebrew<AbsoluteFromHebrew>, w.days);
        benchmark::RegisterBenchmark(("DatesLine" + walk + "/baseline").c_str(), DatesLine<BaselineDatesLine>, w.days);
        benchmark::RegisterBenchmark(("DatesLine" + walk + "/now").c_str(), DatesLine<FormatDatesLine>, w.days);
    }
    return true;
}();

}  // namespace
