// varidel-book dates FROM TO: the calendar of every civil day in a range.
#include <cinttypes>
#include <cstdio>
#include <string>

#include "calendar/date_caption.h"
#include "calendar/iso_date.h"
#include "lessons/lesson_key.h"
#include "tools/book_tool.h"

namespace {

bool ParseArgument(const char* name, const char* text, AbsoluteDay* day) {
    GregorianDate date;
    if (!ParseIsoDate(text, &date)) {
        std::fprintf(stderr, "varidel-book dates: %s '%s' is not a date YYYY-MM-DD in years 0001..9999\n",
                     name, text);
        return false;
    }
    *day = AbsoluteFromGregorian(date);
    return true;
}

void PrintDay(AbsoluteDay day) {
    const HebrewDate hebrew = HebrewFromAbsolute(day);
    char caption[kCaptionFieldSize] = "";
    FormatHebrewDateCaption(hebrew, caption);
    std::printf("%s\t%" PRId32 "\t%" PRId32 "/%" PRId32 "/%" PRId32 "\t0x%04X\t%s\n",
                FormatIsoDate(GregorianFromAbsolute(day)).c_str(), day, hebrew.month, hebrew.day,
                hebrew.year, static_cast<unsigned>(LessonKeyForDate(hebrew)), caption);
}

}  // namespace

int RunDates(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "varidel-book dates: expected FROM and TO, got %d argument%s\n", argc,
                     argc == 1 ? "" : "s");
        return kExitUsage;
    }
    AbsoluteDay from, to;
    if (!ParseArgument("FROM", argv[0], &from) || !ParseArgument("TO", argv[1], &to)) {
        return kExitUsage;
    }
    if (from > to) {
        std::fprintf(stderr, "varidel-book dates: FROM '%s' is after TO '%s'\n", argv[0], argv[1]);
        return kExitUsage;
    }
    for (AbsoluteDay day = from; day <= to; ++day) PrintDay(day);
    return kExitOk;
}
