// The search: matching inside a lesson, and Search Again walking the shipped
// book from the lesson shown, as the main window's search keeps its state.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/current_day.h"
#include "dialogs/search.h"
#include "lessons/book_files.h"
#include "lessons/core_message.h"
#include "lessons/lesson_loader.h"
#include "lessons/lesson_platform_posix.h"
#include "tests/unit/book_fixture.h"
#include "tests/unit/view_test_support.h"

namespace {

struct FreeText {
    void operator()(char* p) const { std::free(p); }
};
using Text = std::unique_ptr<char, FreeText>;

constexpr int32_t kYear = 5787;

// The lesson shown and the match shown, moved on by each Search Again as the
// main window moves them: a match elsewhere makes its day current.
struct Reader {
    Text text;
    uint16_t highlight = 0;
    LessonKey shown = 0;

    explicit Reader(LessonKey key, int32_t year = kYear) {
        g_app = AppState{};
        SetCurrentDay(DayForLessonKey(key, year), true);
        text.reset(LoadLessonText(key, nullptr));
        shown = g_app.Lesson;
    }
    SearchHit Step(const char* phrase, bool matchCase = false) {
        const SearchHit hit = FindNextHit({text.get(), highlight, shown, g_app.hebrewDate.year}, {phrase, matchCase});
        if (hit.text != nullptr) {
            SetCurrentDay(hit.day, true);
            text.reset(hit.text);
            shown = hit.key;
        }
        if (hit.offset != 0) highlight = static_cast<uint16_t>(hit.offset);
        return hit;
    }
};

class Search : public testing::Test {
protected:
    void SetUp() override {
        SetLessonContainerFolder(ShippedContainerFolder());
        TakeCoreMessages();
    }
};

// Offset of the first exact `phrase` in the bodies of the lesson `text`.
uint32_t OffsetOf(const char* text, const char* phrase) {
    for (size_t at = 0; text[at] != '\0'; at += 2 + strlen(text + at + 2) + 1) {
        if (const char* found = strstr(text + at + 2, phrase)) return static_cast<uint32_t>(found - text);
    }
    return 0;
}

}  // namespace

TEST(SearchMatching, CaseFoldsOnlyAsciiLettersAndOnlyBodiesAreSearched) {
    // Bodies at 2 ("a Light, LIGHT"), 19 ("\xC9t\xE9 [x] @" after the header bytes
    // "AB"), 31 ("end.") and 38 ("x").
    LessonText lesson;
    lesson.Para(0x81, 0, "a Light, LIGHT").Para(0x41, 0x42, "\xC9t\xE9 [x] @").Para(0x01, 0, "end.");
    lesson.Para(0x01, 0, "x");
    const std::string& text = lesson.bytes;
    const struct {
        const char* phrase;
        bool matchCase;
        uint32_t start;
        uint32_t expected;
    } cases[] = {
        {"light", false, 0, 4},    {"light", true, 0, 0},     {"LIGHT", true, 0, 11},
        {"lIgHt", false, 5, 11},   {"LIGHT", false, 12, 0},   {"\xE9", false, 0, 21},
        {"\xE9", true, 0, 21},     {"\xC9", false, 20, 0},    {"\xC9T", false, 0, 19},
        {"{X}", false, 0, 0},      {"`", false, 0, 0},        {"@", true, 0, 27},
        {"AB", false, 0, 0},       {"B\xC9t", false, 0, 0},   {"T, LIGHT", false, 0, 8},
        {"@end", false, 0, 0},     {"x", false, 25, 38},      {".", false, 35, 0},
        {"end.", false, 31, 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindInLesson(text.c_str(), c.start, {c.phrase, c.matchCase}), c.expected)
            << c.phrase << " from " << c.start << (c.matchCase ? " matching case" : "");
    }
    EXPECT_EQ(FindCaseless("", "a"), nullptr);
    EXPECT_EQ(FindInLesson("\0\0", 0, {"a", false}), 0u);

    char typed[kSearchStringSize];
    NarrowTypedPhrase(u"\u0161\u00E9A\u0100z", typed, sizeof typed);
    EXPECT_STREQ(typed, "a\xE9" "A") << "U+0161 is searched as 0x61; U+0100 ends the phrase";
    NarrowTypedPhrase(std::u16string(40, u'q').c_str(), typed, sizeof typed);
    EXPECT_EQ(std::string(typed), std::string(33, 'q'));
}

TEST(SearchMatching, EveryStopOfSearchAgainInALessonIsCountedAndOnlyInBodies) {
    LessonText lesson;
    // Bodies at 2, 8, 13, 17 and 21.
    lesson.Para(0x81, 'a', "aaa").Para(0x01, 0, "Aa").Para(0x01, 0, "a").Para(0x01, 0, "b");
    lesson.Para(0x01, 0, "xa xA Xb xB");
    const std::string& text = lesson.bytes;
    const struct {
        const char* phrase;
        bool matchCase;
        uint32_t first;
        uint32_t count;
    } cases[] = {
        {"aa", false, 2, 3},  // twice in "aaa", overlapping, and in "Aa"
        {"aa", true, 2, 2},    {"a", false, 2, 8},  {"aA", false, 2, 3},
        {"aaaa", false, 0, 0},  // never across a paragraph's end
        {"b", false, 17, 3},   {"xb", false, 27, 2}, {"XB", false, 27, 2},
        {"xB", true, 30, 1},   {"XB", true, 0, 0},
    };
    for (const auto& c : cases) {
        const LessonMatches matches = CountInLesson(text.c_str(), {c.phrase, c.matchCase});
        EXPECT_EQ(matches.first, c.first) << c.phrase;
        EXPECT_EQ(matches.count, c.count) << c.phrase;
    }
}

TEST(SearchMatching, LongBodiesGiveEveryCaselessMatchAByteByByteScanFinds) {
    // Letters in both cases, bytes that share a letter's bits without being
    // one ("@" and "`", 0xC1 and 0xE1), spaces: matches land anywhere in a
    // body of any length, across every eight-byte step and in its tail.
    const char alphabet[] = "aAbB @`\xC1\xE1";
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    std::mt19937 random(5787);
    const auto pick = [&](size_t size) {
        std::string text;
        while (text.size() < size) text += alphabet[random() % (sizeof alphabet - 1)];
        return text;
    };
    for (int round = 0; round < 300; ++round) {
        LessonText lesson;
        std::vector<std::string> bodies;
        for (int i = 0; i < 3; ++i) lesson.Para(0x01, 'a', bodies.emplace_back(pick(random() % 40)));
        const std::string phrase = pick(1 + random() % 4);
        LessonMatches expected{0, 0};
        size_t body = 2;
        for (const std::string& text : bodies) {
            for (size_t at = 0; at + phrase.size() <= text.size(); ++at) {
                size_t i = 0;
                while (i < phrase.size() && fold(text[at + i]) == fold(phrase[i])) ++i;
                if (i == phrase.size() && expected.count++ == 0) expected.first = static_cast<uint32_t>(body + at);
            }
            body += text.size() + 3;
        }
        const LessonMatches matches = CountInLesson(lesson.bytes.c_str(), {phrase.c_str(), false});
        ASSERT_EQ(matches.count, expected.count) << "'" << phrase << "' in round " << round;
        ASSERT_EQ(matches.first, expected.first) << "'" << phrase << "' in round " << round;
        ASSERT_EQ(FindInLesson(lesson.bytes.c_str(), 0, {phrase.c_str(), false}), expected.first);
    }
    EXPECT_EQ(CountInLesson(LessonText{}.Para(0x01, 0, "abc").bytes.c_str(), {"", false}).count, 0u);
}

TEST_F(Search, SearchAgainStepsThroughTheLessonShownThenTheOthersInKeyOrder) {
    Reader reader(0x0E1C);
    uint32_t previous = 0;
    for (int i = 0; i < 3; ++i) {  // three times in the lesson shown, then on from the next key
        const SearchHit hit = reader.Step("28 adar");
        EXPECT_TRUE(hit.text == nullptr && hit.offset > previous) << i;
        previous = hit.offset;
    }
    const LessonKey walk[] = {0x0C1C, 0x0C1C, 0x0D1C, 0x0E1C};
    for (LessonKey expected : walk) EXPECT_EQ(reader.Step("28 adar").key, expected) << "month 1 after month 14";

    Reader common(0x0E1D);  // 29 Adar of a common year
    const uint32_t first = common.Step("Give the king").offset;
    EXPECT_EQ(common.Step("Give the king").key, 0x0C1E);
    EXPECT_EQ(g_app.Lesson, 0x0101) << "30 Adar I of a common year is shown on 1 Nisan";
    EXPECT_EQ(common.Step("Give the king").key, 0x0E1D) << "on from the lesson of the match";
    EXPECT_EQ(common.highlight, first);
    EXPECT_EQ(common.Step("lord", true).key, 0x0308) << "Match Case: only the lower-case word";

    const LessonKey psaltery[] = {0x0105, 0x0204, 0x0319, 0x0611, 0x061D, 0x090D, 0x0B16, 0x0C1D, 0x0E1D, 0x0105};
    Reader walker(0x0105);
    for (LessonKey expected : psaltery) EXPECT_EQ(walker.Step("PSALTERY").key, expected) << std::hex << expected;
    EXPECT_EQ(TakeCoreMessages(), "");
}

TEST_F(Search, TheLessonShownIsSearchedAgainLastAndTheWalkStopsAtItsKey) {
    Reader reader(0x081E);
    const char* text = reader.text.get();
    const uint32_t match = OffsetOf(text, "Psalm 23, repeated");
    reader.highlight = static_cast<uint16_t>(OffsetOf(text, "Notes"));
    EXPECT_EQ(reader.Step("Psalm 23, repeated").offset, match) << "a match before the one shown";
    EXPECT_EQ(reader.Step("Psalm 23, repeated").offset, match) << "a match only at the one shown";
    EXPECT_EQ(reader.Step("").offset, 0u);
    // Without a text of its own the lesson shown is not loaded again.
    EXPECT_EQ(FindNextHit({nullptr, 0, 0x081E, kYear}, {"Psalm 23, repeated", false}).offset, 0u);

    Reader shortYear(0x070A, 5786);
    ASSERT_EQ(DaysInHebrewMonth(8, 5786), 29);
    EXPECT_EQ(shortYear.Step("Cheshvan has 30 days").key, 0x081E);
    EXPECT_STREQ(g_app.caption, "1 Kislev, 5786") << "30 Cheshvan of a short year is 1 Kislev";
    EXPECT_EQ(g_app.Lesson, 0x0901);
    EXPECT_EQ(OffsetOf(shortYear.text.get(), "Cheshvan has 30 days"), shortYear.highlight) << "its own entry shown";
    // A new layout (a resize, a font) clears the mark: the walk still goes on
    // from the entry shown, so 1 Kislev's own lesson is not passed over.
    shortYear.highlight = 0;
    EXPECT_EQ(shortYear.Step("Reading: Psalms 27:13 - 28:3").key, 0x0901);
}

TEST_F(Search, TheWalkEndsFromAnyLessonAndPassesOverWhatItCannotShow) {
    const struct {
        const char* what;
        LessonKey lesson;
        int32_t year;
        const char* phrase;
        LessonKey expected;  // 0: nothing found
    } cases[] = {
        {"month 15", 0x0F05, kYear, "psaltery", 0x0105},     {"day 32", 0x0520, kYear, "psaltery", 0x0611},
        {"key 0", 0x0000, kYear, "psaltery", 0x0105},        {"key 0xFFFF", 0xFFFF, kYear, "psaltery", 0x0105},
        {"day 32, nowhere", 0x0520, kYear, "xyzzy", 0},      {"month 200, nowhere", 0xC801, kYear, "xyzzy", 0},
        {"after the last day", 0x081C, 13760, "psaltery", 0}, {"its Tishrei", 0x081C, 13760, "Second Day", 0x0702},
        {"before the first day", 0x0A12, 3761, "Cheshvan has 30", 0},
    };
    for (const auto& c : cases) {
        const SearchHit hit = FindNextHit({nullptr, 0, c.lesson, c.year}, {c.phrase, false});
        EXPECT_EQ(hit.offset != 0 ? hit.key : 0, c.expected) << c.what;
        std::free(hit.text);
    }

    // A damaged lesson on the way: the loader's message, and the walk goes on.
    ContainerSet damaged = ShippedContainers();
    damaged[1][kContainerHeaderSize + 3] ^= 0x40;  // 1 Iyyar claims a longer text
    const std::string folder = MakeScratchFolder();
    std::string error;
    ASSERT_TRUE(WriteContainerSet(folder, damaged, &error)) << error;
    SetLessonContainerFolder(folder);
    const SearchHit hit = FindNextHit({nullptr, 0, 0x0105, kYear}, {"psaltery", false});
    EXPECT_EQ(TakeCoreMessages(), std::string(kUnCompressMessage) + "\n");
    EXPECT_EQ(hit.key, 0x0204);
    std::free(hit.text);
}
