// Find All's rows: the lessons of the shipped book that hold a phrase, in
// the order Search Again meets them, each with the day it goes to from the
// day shown, its title, its matches and the words around its first match.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/search_results.h"
#include "lessons/core_message.h"
#include "lessons/lesson_container.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_posix.h"
#include "tests/unit/book_fixture.h"
#include "tests/unit/view_test_support.h"

namespace {

struct FreeText {
    void operator()(char* p) const { std::free(p); }
};
using Text = std::unique_ptr<char, FreeText>;

class FindAll : public testing::Test {
protected:
    void SetUp() override {
        SetLessonContainerFolder(ShippedContainerFolder());
        TakeCoreMessages();
    }
};

// A row's widened text as the bytes it was widened from.
std::string Bytes(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) bytes += static_cast<char>(unit);
    return bytes;
}

// What a row shows, but for the words around its match.
struct Row {
    LessonKey key;
    std::string caption;
    uint32_t matches;
    std::string title;
    bool operator==(const Row& o) const {
        return key == o.key && caption == o.caption && matches == o.matches && title == o.title;
    }
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << std::hex << row.key << std::dec << " " << row.caption << " x" << row.matches << " '" << row.title
               << "'";
}

// The rows of Find All from the lesson `shown` on its day in `year`, which
// the pane shows.
SearchResults RowsFrom(LessonKey shown, int32_t year, const char* phrase, bool matchCase) {
    const Text text(LoadLessonText(shown, nullptr));
    return FindAllMatches({text.get(), shown, DayForLessonKey(shown, year)}, {phrase, matchCase});
}

std::vector<Row> Shown(const SearchResults& results) {
    std::vector<Row> rows;
    for (const SearchResult& r : results.rows) rows.push_back({r.key, r.caption, r.matches, Bytes(r.title)});
    return rows;
}

}  // namespace

TEST_F(FindAll, EveryLessonWithThePhraseInTheWalksOrderDatedFromTheDayShownOn) {
    const struct {
        const char* what;
        LessonKey shown;
        int32_t year;
        const char* phrase;
        bool matchCase;
        std::vector<Row> rows;
        const char* count;
    } cases[] = {
        // From 5 Nisan: the rest of the year, then Tishrei on in the next;
        // the Adar I and common-year Adar entries both fall on the one Adar
        // of 5788; the lesson shown comes last, on the day shown.
        {"psaltery from 5 Nisan", 0x0105, 5787, "PSALTERY", false,
         {{0x0204, "4 Iyyar, 5787", 1, ""},
          {0x0319, "25 Sivan, 5787", 1, ""},
          {0x0611, "17 Elul, 5787", 1, ""},
          {0x061D, "29 Elul, 5787", 1, "Eve of Rosh Hashanah"},
          {0x090D, "13 Kislev, 5788", 1, ""},
          {0x0B16, "22 Shevat, 5788", 1, ""},
          {0x0C1D, "29 Adar, 5788", 1, ""},
          {0x0E1D, "29 Adar, 5788", 1, ""},
          {0x0105, "5 Nisan, 5787", 1, ""}},
         "9 matches in 9 lessons"},
        // From the Adar of a common year month 1 follows month 14; the
        // Adar I entry falls on that Adar, the day shown itself.
        {"psaltery from 29 Adar", 0x0E1D, 5786, "psaltery", true,
         {{0x0105, "5 Nisan, 5786", 1, ""},
          {0x0204, "4 Iyyar, 5786", 1, ""},
          {0x0319, "25 Sivan, 5786", 1, ""},
          {0x0611, "17 Elul, 5786", 1, ""},
          {0x061D, "29 Elul, 5786", 1, "Eve of Rosh Hashanah"},
          {0x090D, "13 Kislev, 5787", 1, ""},
          {0x0B16, "22 Shevat, 5787", 1, ""},
          {0x0C1D, "29 Adar, 5786", 1, ""},
          {0x0E1D, "29 Adar, 5786", 1, ""}},
         "9 matches in 9 lessons"},
        {"every match of a lesson", 0x0302, 5787, "praise him with", false,
         {{0x061D, "29 Elul, 5787", 4, "Eve of Rosh Hashanah"}}, "4 matches in 1 lesson"},
        {"only those of its case", 0x0302, 5787, "Praise him with", true,
         {{0x061D, "29 Elul, 5787", 2, "Eve of Rosh Hashanah"}}, "2 matches in 1 lesson"},
        {"a phrase in three lessons", 0x0302, 5787, "second day", false,
         {{0x0307, "7 Sivan, 5787", 1, "Shavuot, Second Day"},
          {0x0702, "2 Tishrei, 5788", 1, "Rosh Hashanah, Second Day"},
          {0x070F, "15 Tishrei, 5788", 1, "Sukkot"}},
         "3 matches in 3 lessons"},
        {"two of them with its case", 0x0302, 5787, "Second Day", true,
         {{0x0307, "7 Sivan, 5787", 1, "Shavuot, Second Day"},
          {0x0702, "2 Tishrei, 5788", 1, "Rosh Hashanah, Second Day"}},
         "2 matches in 2 lessons"},
        {"one match", 0x0302, 5787, "Cheshvan has 30", false, {{0x081E, "30 Cheshvan, 5788", 1, ""}},
         "1 match in 1 lesson"},
        {"nowhere", 0x0302, 5787, "xyzzy", false, {}, "0 matches in 0 lessons"},
        {"an empty phrase", 0x0302, 5787, "", false, {}, "0 matches in 0 lessons"},
    };
    for (const auto& c : cases) {
        const SearchResults results = RowsFrom(c.shown, c.year, c.phrase, c.matchCase);
        EXPECT_EQ(Shown(results), c.rows) << c.what;
        EXPECT_EQ(Bytes(ResultsCountLine(results)), c.count) << c.what;
    }
    EXPECT_EQ(TakeCoreMessages(), "");
}

TEST_F(FindAll, ARowGoesToItsFirstMatchAndACommonWordHasOneRowPerEntry) {
    const SearchResults psaltery = RowsFrom(0x0105, 5787, "psaltery", false);
    for (const SearchResult& row : psaltery.rows) {
        const Text text(LoadLessonText(row.key, nullptr));
        EXPECT_EQ(row.firstMatch, FindInLesson(text.get(), 0, {"psaltery", false})) << std::hex << row.key;
    }

    size_t entries = 0;
    for (int month = 1; month <= kCommonYearAdar; ++month) entries += RecordsInLessonMonth(month);
    const SearchResults the = RowsFrom(0x0102, 5787, "the", false);
    EXPECT_EQ(the.rows.size(), entries);
    EXPECT_EQ(the.rows.front().key, 0x0103);
    EXPECT_EQ(the.rows.back().key, 0x0102) << "the lesson shown last";
    uint32_t matches = 0;
    for (const SearchResult& row : the.rows) matches += row.matches;
    EXPECT_EQ(the.matches, matches);
}

// The lesson shown is searched in the text the pane holds, on the day shown,
// even when its key is one the walk never meets.
TEST_F(FindAll, TheLessonShownIsTheTextShownOnTheDayShown) {
    LessonText own;
    own.Para(0xC2, 0, "1 Nisan").Para(0x81, 0, "a zebra, and a ZEBRA");
    const AbsoluteDay day = AbsoluteFromHebrew({9, 3, 5787});
    const struct {
        const char* what;
        const char* text;
        LessonKey shown;
        size_t rows;
    } cases[] = {
        {"its own text", own.bytes.c_str(), 0x0105, 1},
        {"a key outside the walk", own.bytes.c_str(), 0x0F05, 1},
        {"no text", nullptr, 0x0105, 0},
    };
    for (const auto& c : cases) {
        const SearchResults results = FindAllMatches({c.text, c.shown, day}, {"zebra", false});
        ASSERT_EQ(results.rows.size(), c.rows) << c.what;
        if (c.rows == 0) continue;
        EXPECT_EQ(results.rows[0].key, c.shown) << c.what;
        EXPECT_EQ(results.rows[0].day, day) << c.what;
        EXPECT_STREQ(results.rows[0].caption, "3 Kislev, 5787") << c.what;
        EXPECT_EQ(results.rows[0].matches, 2u) << c.what;
    }
}

TEST(FindAllDays, AKeyGoesToItsNextDayFromTheDayShown) {
    const struct {
        const char* what;
        LessonKey key;
        HebrewDate shown;
        HebrewDate expected;  // month 0: no day
    } cases[] = {
        {"later in the year", 0x0901, {7, 5, 5787}, {9, 1, 5787}},
        {"the day shown", 0x0706, {7, 6, 5787}, {7, 6, 5787}},
        {"the day before", 0x0705, {7, 6, 5787}, {7, 5, 5788}},
        {"Tishrei from Nisan", 0x0705, {1, 5, 5787}, {7, 5, 5788}},
        {"Elul from Nisan", 0x061D, {1, 5, 5787}, {6, 29, 5787}},
        {"Adar II in the next leap year", 0x0D05, {7, 1, 5786}, {13, 5, 5787}},
        {"Adar II past: the leap year after", 0x0D05, {1, 1, 5787}, {13, 5, 5790}},
        {"Adar past: the next common year", 0x0E05, {1, 1, 5788}, {12, 5, 5789}},
        {"30 Cheshvan of a short year", 0x081E, {7, 1, 5786}, {9, 1, 5786}},
        {"a year on is past the calendar", 0x0702, {8, 28, 13760}, {7, 2, 13760}},
        {"neither day in the calendar", 0x081D, {8, 28, 13760}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const AbsoluteDay expected = c.expected.month == 0 ? 0 : AbsoluteFromHebrew(c.expected);
        EXPECT_EQ(DayOnward(c.key, AbsoluteFromHebrew(c.shown)), expected) << c.what;
    }
}

TEST(FindAllContext, TheWordsAroundTheMatchStayInItsParagraph) {
    LessonText lesson;
    lesson.Para(0xC2, 0, "1 Nisan")
        .Para(0x81, 0, "Blessed is the man that walketh not in the counsel of the ungodly, nor standeth in the way of "
                       "sinners.")
        .Para(0x01, 0, "Selah")
        .Para(0x01, 0, std::string(70, 'x') + "yz and so on")
        .Para(0x81, 0, "For the LORD knoweth the way of the righteous: but the way of the ungodly shall perish.");
    const std::string& text = lesson.bytes;
    const struct {
        const char* what;
        const char* match;
        std::string expected;
    } cases[] = {
        {"a short paragraph at the lesson's start", "1 Nisan", "\xAB" "1 Nisan\xBB"},
        {"at a paragraph's start: the words after", "Blessed",
         "\xAB" "Blessed\xBB is the man that walketh not in the counsel of the..."},
        {"inside a word", "ess", "Bl\xAB" "ess\xBB" "ed is the man that walketh not in the counsel of the..."},
        {"in the middle: whole words each side", "counsel",
         "...that walketh not in the \xAB" "counsel\xBB of the ungodly, nor..."},
        {"a paragraph of its own", "Selah", "\xAB" "Selah\xBB"},
        {"a word that runs on to the match", "yz", "..." + std::string(48, 'x') + "\xAByz\xBB and so on"},
        {"at the lesson's end: the words before", "perish.",
         "...of the righteous: but the way of the ungodly shall \xAB" "perish.\xBB"},
    };
    for (const auto& c : cases) {
        const size_t at = text.find(c.match);
        ASSERT_NE(at, std::string::npos) << c.what;
        EXPECT_EQ(Bytes(MatchContext(text.c_str(), static_cast<uint32_t>(at), strlen(c.match))), c.expected) << c.what;
    }
}

TEST(FindAllTitles, ARowTakesTheTitleAndSubtitleTheBoxShows) {
    const struct {
        const char* what;
        LessonText text;
        const char* title;
    } cases[] = {
        {"both", LessonText{}.Para(kStyleTitle, 0, "Purim").Para(kStyleHeading, 0, "Psalm 22"), "Purim: Psalm 22"},
        {"a title", LessonText{}.Para(kStyleTitle, 0, "Purim").Para(0xC2, 0, "14 Adar"), "Purim"},
        {"a heading that opens the lesson", LessonText{}.Para(kStyleHeading, 0, "Psalm 22"), "Psalm 22"},
        {"a heading further on", LessonText{}.Para(0xC2, 0, "1 Nisan").Para(kStyleHeading, 0, "Psalm 1"), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Bytes(ResultTitle(c.text.bytes.c_str())), c.title) << c.what;
}
