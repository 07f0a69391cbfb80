// varidel-book dates: output lines, and refusal of bad arguments.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "calendar/decimal_text.h"
#include "calendar/iso_date.h"

namespace {

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::string& arguments) {
    // A file of this process's own: ctest runs the tests of this file side
    // by side.
    const std::string errFile = testing::TempDir() + "dates_stderr_" + std::to_string(getpid()) + ".txt";
    const std::string command = std::string(VARIDEL_BOOK_TOOL) + " " + arguments + " 2>" + errFile;
    ToolRun run{-1, "", ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* err = fopen(errFile.c_str(), "r")) {
        while ((n = fread(buffer, 1, sizeof(buffer), err)) > 0) run.err.append(buffer, n);
        fclose(err);
    }
    std::remove(errFile.c_str());
    return run;
}

}  // namespace

TEST(DatesCommand, PrintsOneTabSeparatedLinePerDay) {
    const ToolRun run = RunTool("dates 2026-12-07 2026-12-08");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "2026-12-07\t739957\t9/27/5787\t0x091B\t27 Kislev, 5787\n"
              "2026-12-08\t739958\t9/28/5787\t0x091C\t28 Kislev, 5787\n");
}

TEST(DatesCommand, ReachesBothEndsOfTheSupportedRange) {
    const ToolRun first = RunTool("dates 0001-01-01 0001-01-01");
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out.substr(0, 13), "0001-01-01\t1\t");
    const ToolRun last = RunTool("dates 9999-12-31 9999-12-31");
    EXPECT_EQ(last.exitCode, 0);
    EXPECT_EQ(last.out, "9999-12-31\t3652059\t8/28/13760\t0x081C\t28 Cheshvan, 13760\n");
}

TEST(DatesCommand, LongRangesKeepEveryLineInOrder) {
    // Ten years: the lines go out in several buffers' worth.
    const ToolRun run = RunTool("dates 2020-01-01 2029-12-31");
    EXPECT_EQ(run.exitCode, 0);
    std::istringstream lines(run.out);
    std::string line, last;
    long expected = 737425;  // 2020-01-01
    while (std::getline(lines, line)) {
        ASSERT_EQ(std::stol(line.substr(11)), expected) << line;
        ++expected;
        last = line;
    }
    EXPECT_EQ(expected, 737425 + 3653);
    EXPECT_EQ(last.substr(0, 11), "2029-12-31\t");
}

TEST(DatesCommand, RefusesBadArgumentsNamingThem) {
    const char* cases[][2] = {
        {"dates 2026-02-30 2026-03-01", "2026-02-30"}, {"dates 2026-13-01 2027-01-01", "2026-13-01"},
        {"dates abc 2026-01-01", "abc"},               {"dates 0000-12-31 0001-01-01", "0000-12-31"},
        {"dates 2026-01-01 10000-01-01", "10000-01-01"}, {"dates 2026-01-01", "FROM and TO"},
        {"dates 2026-01-02 2026-01-01", "after"},      {"dates 2026-1-01 2026-01-02", "2026-1-01"},
        {"frobnicate", "frobnicate"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c[0]);
        EXPECT_EQ(run.exitCode, 2) << c[0];
        EXPECT_TRUE(run.out.empty()) << c[0];
        EXPECT_NE(run.err.find(c[1]), std::string::npos) << c[0] << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST(IsoDate, ParsesOnlyRealDatesInTheSupportedYears) {
    GregorianDate date{};
    EXPECT_TRUE(ParseIsoDate("2024-02-29", &date));
    EXPECT_EQ(FormatIsoDate(date), "2024-02-29");
    for (const char* bad : {"2023-02-29", "2100-02-29", "2026-00-10", "2026-04-31", "2026-04-00",
                            "2026-04-1", "2026-04-011", "+026-04-01", "", "2026"}) {
        EXPECT_FALSE(ParseIsoDate(bad, &date)) << bad;
    }
    EXPECT_TRUE(ParseIsoDate("2000-02-29", &date));
}

TEST(DecimalText, WritesSignDigitsAndLeadingZeros) {
    const struct {
        int32_t value;
        int minDigits;
        const char* text;
    } cases[] = {
        {0, 1, "0"},          {5, 0, "5"},        {7, 2, "07"},          {10, 2, "10"},         {99, 1, "99"},
        {100, 1, "100"},      {2026, 4, "2026"},  {26, 4, "0026"},       {10000, 4, "10000"},
        {739957, 1, "739957"}, {-5, 4, "-0005"},  {-1234567, 1, "-1234567"},
        {INT32_MAX, 1, "2147483647"}, {INT32_MIN, 1, "-2147483648"}, {0, 10, "0000000000"},
    };
    for (const auto& c : cases) {
        char text[kMaxDecimalLength + 1];
        std::memset(text, '#', sizeof text);
        char* end = WriteDecimal(c.value, c.minDigits, text);
        EXPECT_EQ(std::string(text + 0, end), c.text) << c.value << " in " << c.minDigits;
        EXPECT_EQ(*end, '#') << "nothing written past " << c.text;
    }
}
