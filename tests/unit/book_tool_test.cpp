// varidel-book as a user runs it: build, verify, dump, text, show, stats,
// their exit codes and what they write.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "calendar/iso_date.h"
#include "lessons/book_files.h"
#include "tests/unit/book_fixture.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string out;
};

// Runs varidel-book with `arguments` (a shell fragment), stdout captured;
// `environment`, when given, holds env(1) options for the run.
ToolRun Tool(const std::string& arguments, const std::string& environment = "") {
    const std::string command = (environment.empty() ? "" : "env " + environment + " ") +
                                std::string(VARIDEL_BOOK_TOOL) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ToolRun run{-1, ""};
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

const std::string kBook = std::string(VARIDEL_SOURCE_DIR) + "/resources/book";

TEST(BookTool, BuildsTheSetThatVerifyAccepts) {
    const std::string out = MakeScratchFolder() + "/containers";
    ASSERT_EQ(Tool("build " + kBook + " " + out).status, 0);
    ContainerSet built;
    std::vector<std::string> problems;
    ASSERT_TRUE(ReadContainerSet(out, &built, &problems));
    EXPECT_TRUE(built == ShippedContainers());
    const ToolRun verify = Tool("verify " + out);
    EXPECT_EQ(verify.status, 0);
    EXPECT_NE(verify.out.find("no problems"), std::string::npos);
}

TEST(BookTool, VerifyListsProblemsOfADamagedSet) {
    const std::string folder = MakeScratchFolder();
    std::string error;
    ContainerSet set = ShippedContainers();
    set[6][3] = 9;
    ASSERT_TRUE(WriteContainerSet(folder, set, &error));
    fs::remove(folder + "/1009.bin");
    const std::string command = std::string(VARIDEL_BOOK_TOOL) + " verify " + folder + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string all;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) all += buffer;
    EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 1);
    EXPECT_NE(all.find("1009.bin: missing"), std::string::npos) << all;
}

TEST(BookTool, AFailedBuildWritesNoContainer) {
    const std::string src = MakeScratchFolder();
    fs::copy(kBook, src);
    std::ofstream(src + "/05-av.txt", std::ios::app) << "@day 12\nline twice\n";
    const std::string out = MakeScratchFolder();
    EXPECT_EQ(Tool("build " + src + " " + out).status, 1);
    EXPECT_TRUE(fs::is_empty(out));
}

TEST(BookTool, DumpBuildsBackToIdenticalContainers) {
    const std::string folder = MakeScratchFolder();
    ASSERT_EQ(Tool("dump " + ShippedContainerFolder() + " > " + folder + "/book.txt").status, 0);
    ASSERT_EQ(Tool("build " + folder + " " + folder + "/again").status, 0);
    ContainerSet again;
    std::vector<std::string> problems;
    ASSERT_TRUE(ReadContainerSet(folder + "/again", &again, &problems));
    EXPECT_TRUE(again == ShippedContainers());
    const ToolRun one = Tool("dump " + ShippedContainerFolder() + " 0x0701");
    EXPECT_EQ(one.status, 0);
    EXPECT_NE(one.out.find("@month 7 Tishrei\n\n@day 1\ntitle Rosh Hashanah\ndate 1 Tishrei\n"), std::string::npos)
        << one.out;
}

TEST(BookTool, TextIsTheClipboardFormInUtf8) {
    // 1 Tishrei: a title, a date heading with blank lines after them, the
    // schedule, a 24% rule, and later the notes with a 74% rule.
    const ToolRun run = Tool("text 0x0701 " + ShippedContainerFolder());
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("Rosh Hashanah\r\n\r\n1 Tishrei\r\n\r\nPsalms of the month: 1-9\r\n", 0), 0u);
    EXPECT_NE(run.out.find("Reading: Psalm 1\r\n------------------------\r\nPsalm 1\r\n\r\n1 Blessed"), std::string::npos);
    EXPECT_NE(run.out.find("\r\n" + std::string(74, '-') + "\r\n\r\nNotes\r\n"), std::string::npos);
    EXPECT_EQ(run.out.compare(run.out.size() - 2, 2, "\r\n"), 0) << "no terminator";
    EXPECT_EQ(run.out.find('\0'), std::string::npos);
    EXPECT_NE(Tool("text 0x0E0E " + ShippedContainerFolder()).out.find("\xC2\xBB Gifts to the poor"), std::string::npos)
        << "byte 0xBB is written as U+00BB in UTF-8";
    EXPECT_EQ(Tool("text 14/15 " + ShippedContainerFolder()).out, Tool("text 0x0E0F " + ShippedContainerFolder()).out);
}

// Every paragraph is a line, whatever it holds; the damaged text here ends
// in a lone style byte, which the reader's copy command also writes as a line.
TEST(BookTool, TextWritesEveryParagraphAsALine) {
    ContainerSet set = ShippedContainers();
    const std::vector<uint8_t> text = {0x01, 0x00, 'a', 0x00,  0x47, 0x30, 0x00, 0x81, 0x00, 0x00,
                                       0xC7, 0x00, 0x00, 0x05};
    size_t failed = 0;
    ASSERT_EQ(BuildLessonContainer({text}, &set[0], &failed), 0);
    const std::string folder = MakeScratchFolder();
    std::string error;
    ASSERT_TRUE(WriteContainerSet(folder, set, &error)) << error;
    const ToolRun run = Tool("text 0x0101 " + folder);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "a\r\n" + std::string(48, '-') + "\r\n" + "\r\n\r\n" + "\r\n\r\n" + "\r\n");
}

TEST(BookTool, ExitCodes) {
    const std::string dir = ShippedContainerFolder();
    EXPECT_EQ(Tool("text 0x021E " + dir).status, 1) << "no record";
    EXPECT_EQ(Tool("text 0 " + dir).status, 1) << "key 0";
    EXPECT_EQ(Tool("text 0x0F01 " + dir).status, 1) << "no container";
    EXPECT_EQ(Tool("text 0x10000 " + dir).status, 2);
    EXPECT_EQ(Tool("text seven " + dir).status, 2);
    for (const char* key : {"0x0x0101", "+257", "0x+101", "\"$(printf '\\t257')\"", "1/+1", "0x"})
        EXPECT_EQ(Tool(std::string("text ") + key + " " + dir).status, 2) << key;
    const ToolRun upper = Tool("text 0X0101 " + dir);
    EXPECT_EQ(upper.status, 0);
    EXPECT_EQ(Tool("text 01/01 " + dir).out, upper.out);
    EXPECT_EQ(Tool("text 0x0101").status, 2);
    EXPECT_EQ(Tool("build " + kBook).status, 2);
    EXPECT_EQ(Tool("verify").status, 2);
    EXPECT_EQ(Tool("show 2027-02-30").status, 2);
    EXPECT_EQ(Tool("stats").status, 2);
    EXPECT_EQ(Tool("dump " + dir + " 1/31").status, 1);
    EXPECT_EQ(Tool("text 0x0101 /nonexistent").status, 1);
}

TEST(BookTool, ShowPrintsTheCaptionAndTheLessonOfADate) {
    // 2026-03-01 is 12 Adar 5786, a common year: the joined Adar record.
    const ToolRun run = Tool("show 2026-03-01 " + ShippedContainerFolder());
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("2026-03-01  12 Adar, 5786  (lesson 0x0E0C)\n", 0), 0u) << run.out.substr(0, 80);
    EXPECT_NE(run.out.find("12 Adar I"), std::string::npos);
    EXPECT_NE(run.out.find("12 Adar II"), std::string::npos);
    EXPECT_EQ(Tool("show 2026-03-01 " + kBook).out, run.out) << "sources compile on the fly";
}

// The date of the real clock, which this process's today does not follow.
std::string ClockDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return FormatIsoDate({local.tm_mon + 1, local.tm_mday, local.tm_year + 1900});
}

TEST(BookTool, ShowWithoutADateShowsTodayOrTheDateTheTestsFix) {
    struct Case {
        const char* environment;
        const char* shown;  // null: the clock's date
    };
    const Case cases[] = {
        {"VARIDEL_TODAY=2026-03-01", "2026-03-01"},
        {"VARIDEL_TODAY=2024-02-29", "2024-02-29"},
        {"VARIDEL_TODAY=2026-02-29", nullptr},
        {"VARIDEL_TODAY=2026-3-01", nullptr},
        {"VARIDEL_TODAY=2026-03-01x", nullptr},
        {"VARIDEL_TODAY=' 2026-03-01'", nullptr},
        {"VARIDEL_TODAY=", nullptr},
        {"-u VARIDEL_TODAY", nullptr},
    };
    for (const Case& c : cases) {
        // Midnight may pass during the run: either date of the clock will do.
        const std::string before = ClockDate();
        const ToolRun run = Tool("show", c.environment + (" VARIDEL_BOOK=" + ShippedContainerFolder()));
        const std::string after = ClockDate();
        ASSERT_EQ(run.status, 0) << c.environment;
        const std::string shown = run.out.substr(0, 10);
        if (c.shown != nullptr) {
            EXPECT_EQ(shown, c.shown) << c.environment;
        } else {
            EXPECT_TRUE(shown == before || shown == after) << c.environment << " showed " << shown;
        }
    }
}

TEST(BookTool, StatsReportsTheSavingOverAGreedyParse) {
    const ToolRun run = Tool("stats " + ShippedContainerFolder());
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("    total      414"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("compressed / greedy parse: 0."), std::string::npos) << run.out;
}

}  // namespace
