// varidel-book dates FROM TO: the calendar of every civil day in a range.
#include <cstdio>

#include "calendar/iso_date.h"
#include "tools/book_tool.h"
#include "tools/dates_line.h"

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

// Lines gather in one buffer that is written out whenever the next line
// might not fit.
void PrintDays(AbsoluteDay from, AbsoluteDay to) {
    static char buffer[1 << 16];
    size_t used = 0;
    for (AbsoluteDay day = from; day <= to; ++day) {
        if (used > sizeof(buffer) - kMaxDatesLineLength) {
            std::fwrite(buffer, 1, used, stdout);
            used = 0;
        }
        used += FormatDatesLine(day, buffer + used);
    }
    std::fwrite(buffer, 1, used, stdout);
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
    PrintDays(from, to);
    return kExitOk;
}
